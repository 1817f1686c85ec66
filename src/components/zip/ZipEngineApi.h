/*
 * The C interface of the two ZIP engine libraries that the program carries:
 * the packing engine "ZipEngine.dll" (ZipEngineExec, GetZipEngineVersion) and
 * the unpacking engine "UnzipEngine.dll" (UnzipEngineExec,
 * GetUnzipEngineVersion). On Windows they are DLLs exporting the entry points
 * undecorated, on Linux ELF shared libraries that keep these names; the
 * program loads them at run time (platform/DynamicLibrary.h) and finds the
 * entry points by name, so the interface is plain C with fixed-size fields
 * and the C calling convention (cdecl) throughout, callbacks included.
 *
 * Every structure begins with its own size in bytes, filled in by the caller
 * with sizeof. A later engine may grow a structure at its end; it reads the
 * fields that the caller's size covers and treats the rest as zero. A size
 * smaller than version 1's is refused with ZE_ERR_COMMAND.
 *
 * Paths and names are UTF-8, as everywhere in the program (on Windows the
 * engine turns them into the ANSI code page at each file call). Results are an
 * error number (0 for success) and, in the result structure, a German message
 * in UTF-8 that names the file concerned, ready to show to the user.
 */
#ifndef SORVANE_ZIP_ENGINE_API_H
#define SORVANE_ZIP_ENGINE_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Version of this interface: major in the high 16 bits, minor in the low. */
#define ZIP_ENGINE_VERSION 0x00010001u
#define ZIP_ENGINE_VERSION_MAJOR(v) ((v) >> 16)

/* Error numbers. */
#define ZE_OK 0
#define ZE_ERR_COMMAND 1        /* malformed command (size, missing path) */
#define ZE_ERR_OPEN_ARCHIVE 2   /* the archive cannot be opened */
#define ZE_ERR_BAD_ARCHIVE 3    /* not a ZIP archive, or its directory is damaged */
#define ZE_ERR_TARGET 4         /* the target folder cannot be opened */
#define ZE_ERR_BAD_DATA 5       /* a member's data fails its CRC or size check */
#define ZE_ERR_CREATE 6         /* a file cannot be created */
#define ZE_ERR_WRITE 7          /* a file cannot be written (disk full) */
#define ZE_ERR_UNSUPPORTED 8    /* compression method or encryption not supported */
#define ZE_ERR_READ 9           /* a file to pack cannot be read */
#define ZE_ERR_MEMORY 10        /* out of memory */

/* Unpacking options. */
#define UZ_OPT_FOLDER_NAMES 0x1u /* keep the members' folder names (else: the last part only) */
#define UZ_OPT_OVERWRITE 0x2u    /* a later member of the same name replaces an earlier one */

/* Reports passed to the report callback. */
#define UZ_REPORT_WRITTEN 1 /* a member was written; text: its file name */
#define UZ_REPORT_SKIPPED 2 /* a member was skipped; text: its name in the archive */

typedef void (*ZipEngineReport)(void* context, int32_t kind, const char* text);

/*
 * Unpacks every member of archive into target. Without UZ_OPT_FOLDER_NAMES a
 * member's file name is the last part of its name, with "/" and "\" both as
 * separators; names that are empty, "." or ".." are skipped, as are folder
 * entries. Whatever the options, a file that lay in target before the call is
 * replaced by the member of its name: the member is written to a new file
 * beside it, checked and then renamed over it, so a symbolic link under that
 * name is replaced, never written through, and a member whose data fails its
 * check leaves no file behind. Symbolic-link members are written as plain
 * files holding the link's text. The first failure ends the call.
 *
 * Modes, set as they stand whatever the umask: a file replaced in target
 * keeps its mode; else a file of the member's name in modeFolder lends its
 * mode (the unpacked file is to replace it); else a stored Unix mode counts
 * (a link member's counts as 0644); else 0644. Every mode gets the owner's
 * read and write bits and loses write for the group and others: at most 0755
 * with an execute bit, at most 0644 without. A member that
 * yields more data than its announced size fails as damaged before the
 * excess is written.
 */
typedef struct UnzipEngineCommand {
  uint32_t size;          /* sizeof(UnzipEngineCommand) */
  const char* archive;    /* the archive's path */
  const char* target;     /* the folder to unpack into; must exist */
  uint32_t options;       /* UZ_OPT_* */
  ZipEngineReport report; /* may be NULL */
  void* context;          /* handed to report */
  /* Since version 1.1: a folder whose files lend their modes to the members
     of their names that will replace them (see below); NULL or "": none. */
  const char* modeFolder;
} UnzipEngineCommand;

typedef struct ZipEngineResult {
  uint32_t size;          /* sizeof(ZipEngineResult) */
  int32_t error;          /* ZE_* */
  uint32_t written;       /* files written (unpacking) or members added (packing) */
  uint32_t skipped;       /* members skipped (unpacking) */
  char message[1024];     /* German text of the error, "" on success */
} ZipEngineResult;

/* Returns result->error as well; result may not be NULL. */
typedef int32_t (*UnzipEngineExecFunction)(const UnzipEngineCommand* command, ZipEngineResult* result);
typedef uint32_t (*GetEngineVersionFunction)(void);

/*
 * Packs files into a new archive (an existing one is replaced), each under
 * the last part of its path. level 0 stores, 1 to 9 deflate (6 is usual).
 */
typedef struct ZipEngineCommand {
  uint32_t size;             /* sizeof(ZipEngineCommand) */
  const char* archive;       /* the archive to write */
  const char* const* files;  /* paths of the files to pack */
  uint32_t fileCount;
  int32_t level;
} ZipEngineCommand;

typedef int32_t (*ZipEngineExecFunction)(const ZipEngineCommand* command, ZipEngineResult* result);

#ifdef __cplusplus
}
#endif

#endif

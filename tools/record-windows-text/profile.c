/* Records how Windows' profile reader (GetPrivateProfileStringA) reads
 * section and key names and values with blanks around and inside them.
 *
 * Built with a Windows cross compiler and run on Windows or under Wine (see
 * record.sh). Writes <folder>/profile-blanks.txt: one case a line, four
 * fields separated by "|": the file's text, the section asked for, the key
 * asked for, and the answer, or "-" when the reader gave the default. Bytes
 * outside "!".."~", the backslash and "|" are written as \xHH. */

#include <windows.h>
#include <stdio.h>
#include <string.h>

static const struct {
  const char* file;
  const char* section;
  const char* key;
} kCases[] = {
    {"[ZVQ]\r\nFile=a\r\n", "ZVQ", "File"},
    {"[ ZVQ ]\r\nFile=a\r\n", "ZVQ", "File"},
    {"[ZVQ ]\r\nFile=a\r\n", "zvq", "File"},
    {"[  ZVQ]\r\nFile=a\r\n", "ZVQ", "File"},
    {"[\tZVQ\t]\r\nFile=a\r\n", "ZVQ", "File"},
    {"[ \t ZVQ \t ] x\r\nFile=a\r\n", " ZVQ\t", "File"},
    {"  [ ZVQ ]  \r\nFile=a\r\n", "ZVQ", "File"},
    {"\t[\vZVQ\f]\r\nFile=a\r\n", "ZVQ", "File"},
    {"[ ZVQ ]\r\nFile=a\r\n", " ZVQ ", "File"},
    {"[Z VQ]\r\nFile=a\r\n", "Z VQ", "File"},
    {"[Z VQ]\r\nFile=a\r\n", "ZVQ", "File"},
    {"[ Z VQ ]\r\nFile=a\r\n", "Z VQ", "File"},
    {"[Z\tVQ]\r\nFile=a\r\n", "Z VQ", "File"},
    {"[ ]\r\nFile=a\r\n[ZVQ]\r\nFile=b\r\n", "ZVQ", "File"},
    {"[ ZVQ ]\r\nFile=a\r\n[ZVQ]\r\nFile=b\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\nFile=a\r\n[ ZVQ ]\r\nFile=b\r\nDate=c\r\n", "ZVQ", "Date"},
    {"[ZVQ]\r\n  File \t =  a b \t\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\nFi le=a\r\n", "ZVQ", "Fi le"},
    {"[ZVQ]\r\nFi le=a\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\n\tFile\t=\ta\t\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\nFile=a\r\n", "ZVQ", " File "},
    {"[ZVQ]\r\nFile= \" a \" \r\n", "ZVQ", "File"},
    {"[ZVQ]\r\nFile=\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\nFile= \t \r\n", "ZVQ", "File"},
    {"[ZVQ]\r\n = a\r\nFile=b\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\n\vFile\f=\va\f\r\n", "ZVQ", "File"},
    {"[\x1AZVQ]\r\nFile=a\x1A\r\n", "ZVQ", "File"},
    {"[ZVQ]\r\nFile=a\xA0\r\n", "ZVQ", "File"},
    {"[\xA0ZVQ]\r\nFile=a\r\n", "ZVQ", "File"},
};

static void Field(FILE* out, const char* text) {
  for (const unsigned char* p = (const unsigned char*)text; *p != 0; ++p) {
    if (*p > ' ' && *p < 0x7F && *p != '\\' && *p != '|') {
      fputc(*p, out);
    } else {
      fprintf(out, "\\x%02X", *p);
    }
  }
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: profile.exe <output folder>\n");
    return 2;
  }
  char ini[MAX_PATH], path[MAX_PATH];
  GetTempPathA(sizeof ini, ini);
  strcat(ini, "record-profile.ini");
  snprintf(path, sizeof path, "%s\\profile-blanks.txt", argv[1]);
  FILE* out = fopen(path, "wb");
  if (out == NULL) {
    fprintf(stderr, "cannot write %s\n", path);
    return 1;
  }
  for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
    FILE* file = fopen(ini, "wb");
    fputs(kCases[i].file, file);
    fclose(file);
    /* The reader caches a file; a new one each time is read anew. */
    WritePrivateProfileStringA(NULL, NULL, NULL, ini);
    char value[256];
    static const char kDefault[] = "\x01";
    GetPrivateProfileStringA(kCases[i].section, kCases[i].key, kDefault, value, sizeof value, ini);
    Field(out, kCases[i].file);
    fputc('|', out);
    Field(out, kCases[i].section);
    fputc('|', out);
    Field(out, kCases[i].key);
    fputc('|', out);
    if (strcmp(value, kDefault) == 0) {
      fputc('-', out);
    } else {
      Field(out, value);
    }
    fputc('\n', out);
  }
  fclose(out);
  DeleteFileA(ini);
  return 0;
}

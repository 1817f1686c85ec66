/* Records Windows' word order (lstrcmpA) for sets of Windows-1252 names.
 *
 * Built with a Windows cross compiler and run on Windows or under Wine (see
 * record.sh). It makes the names itself from a fixed seed, so every run
 * writes the same sets, sorts each with lstrcmpA and writes it to
 * <folder>/word-order-<set>.txt.
 *
 * One name per line in sorted order. The first character says how the name
 * compares with the line before: '<' after it, '=' equal to it (lstrcmpA
 * returns 0). The name follows with every byte outside "!".."~" and the
 * backslash written as \xHH. */

#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_NAMES 2048
#define MAX_NAME 32

static char names[MAX_NAMES][MAX_NAME];
static int count;
static unsigned long long seed;

static unsigned Random(unsigned below) {
  seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
  return (unsigned)(seed >> 33) % below;
}

static char Pick(const char* from) { return from[Random((unsigned)strlen(from))]; }

static void Add(const char* name) {
  for (int i = 0; i < count; ++i) {
    if (strcmp(names[i], name) == 0) return;
  }
  if (count < MAX_NAMES && name[0] != '\0') strcpy(names[count++], name);
}

/* Names as people give files: words, numbers, separators, extensions. The
 * words come in forms that Windows finds alike on the letters, so that many
 * names tie there and the later levels decide. */
static const char* const kWords[] = {"Bild", "bild", "Foto", "IMG", "img", "Urlaub", "Scan", "Brief", "co", "op",
                                     "Co", "coop", "co-op", "re", "Re", "read", "reread", "re-read", "don't", "dont",
                                     "Stra\xDF" "e", "Strasse", "K\xE4se", "Kaese", "\xC6rger", "Aerger",
                                     "\x8Cuvre", "oeuvre", "Caf\xE9", "Cafe", "a", "A", "b", "l'", "-"};
static const char* const kExtensions[] = {"", "", ".txt", ".jpg", ".JPG", ".tar.gz"};
static const char kSeparators[] = " -_.''-";

static void FileNames(void) {
  while (count < 1500) {
    char name[MAX_NAME] = "";
    const int parts = 1 + (int)Random(3);
    for (int p = 0; p < parts; ++p) {
      if (p > 0 && Random(3) != 0) {
        const size_t at = strlen(name);
        name[at] = Pick(kSeparators);
        name[at + 1] = '\0';
      }
      if (Random(4) == 0) {
        char number[8];
        sprintf(number, Random(2) ? "%u" : "%02u", Random(12));
        strcat(name, number);
      } else {
        strcat(name, kWords[Random(sizeof kWords / sizeof kWords[0])]);
      }
    }
    if (Random(8) == 0) strcat(name, Random(2) ? " (1)" : " (2)");
    strcat(name, kExtensions[Random(sizeof kExtensions / sizeof kExtensions[0])]);
    Add(name);
  }
}

/* Short names made mostly of punctuation and symbols, with the hyphens and
 * apostrophes that the order leaves out, among a few letters and digits. */
static void SymbolNames(void) {
  static const char kSymbols[] =
      " !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"
      "\x80\x82\x84\x85\x86\x87\x88\x89\x8B\x91\x92\x93\x94\x95\x96\x97\x98\x9B"
      "\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAB\xAC\xAD\xAE\xAF\xB0\xB1\xB4\xB5\xB6\xB7\xB8\xBB\xBF\xD7\xF7"
      "--''\x96\x97\xAD" "aAbc01";
  while (count < 1500) {
    char name[MAX_NAME];
    const int length = 1 + (int)Random(5);
    for (int i = 0; i < length; ++i) name[i] = Pick(kSymbols);
    name[length] = '\0';
    Add(name);
  }
}

/* Names from a few letters in their plain, accented, upper-case and
 * ligature forms, so that many pairs tie on the letters and are told apart
 * by the accents or the case. */
static void AccentedNames(void) {
  static const char* const kForms[] = {
      "aA\xE0\xC0\xE1\xC1\xE2\xC2\xE3\xC3\xE4\xC4\xE5\xC5\xAA",
      "eE\xE8\xC8\xE9\xC9\xEA\xCA\xEB\xCB",
      "oO\xF2\xD2\xF3\xD3\xF4\xD4\xF5\xD5\xF6\xD6\xF8\xD8\xBA",
      "sS\x9A\x8A",
      "uU\xF9\xD9\xFA\xDA\xFB\xDB\xFC\xDC",
      "nN\xF1\xD1",
      "tT",
      "hH",
      "\xDF\xE6\xC6\x9C\x8C\xFE\xDE",
      "cC\xE7\xC7",
      "yY\xFD\xDD\xFF\x9F",
      "zZ\x9E\x8E",
      "dD\xF0\xD0",
  };
  const int forms = (int)(sizeof kForms / sizeof kForms[0]);
  while (count < 1500) {
    char name[MAX_NAME];
    const int length = 1 + (int)Random(4);
    for (int i = 0; i < length; ++i) {
      const char* form = kForms[Random((unsigned)forms)];
      name[i] = Random(3) == 0 ? form[0] : Pick(form);
    }
    name[length] = '\0';
    Add(name);
  }
}

/* Every byte of the code page alone, and between letters. */
static void SingleBytes(void) {
  for (int b = 1; b < 256; ++b) {
    const char c = (char)b;
    const char forms[4][4] = {{c, 0}, {'a', c, 0}, {c, 'a', 0}, {'a', c, 'b', 0}};
    for (int f = 0; f < 4; ++f) Add(forms[f]);
  }
}

static int Compare(const void* a, const void* b) { return lstrcmpA((const char*)a, (const char*)b); }

static int Write(const char* folder, const char* set) {
  char path[MAX_PATH];
  snprintf(path, sizeof path, "%s\\word-order-%s.txt", folder, set);
  FILE* out = fopen(path, "wb");
  if (out == NULL) {
    fprintf(stderr, "cannot write %s\n", path);
    return 1;
  }
  qsort(names, (size_t)count, MAX_NAME, Compare);
  for (int i = 0; i < count; ++i) {
    const int relation = i == 0 ? -1 : lstrcmpA(names[i - 1], names[i]);
    if (relation > 0 || (i > 0 && lstrcmpA(names[i], names[i - 1]) != -relation)) {
      fprintf(stderr, "lstrcmpA is not an order at %s line %d\n", set, i + 1);
      fclose(out);
      return 1;
    }
    fputc(relation == 0 ? '=' : '<', out);
    for (const unsigned char* p = (const unsigned char*)names[i]; *p != 0; ++p) {
      if (*p > ' ' && *p < 0x7F && *p != '\\') {
        fputc(*p, out);
      } else {
        fprintf(out, "\\x%02X", *p);
      }
    }
    fputc('\n', out);
  }
  fclose(out);
  return 0;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: word-order.exe <output folder>\n");
    return 2;
  }
  /* lstrcmpA reads its bytes in the ANSI code page. */
  if (GetACP() != 1252) {
    fprintf(stderr, "the ANSI code page is %u, not 1252\n", GetACP());
    return 1;
  }
  static const struct {
    const char* name;
    void (*make)(void);
  } sets[] = {{"file-names", FileNames}, {"symbols", SymbolNames}, {"accents", AccentedNames}, {"bytes", SingleBytes}};
  for (size_t s = 0; s < sizeof sets / sizeof sets[0]; ++s) {
    count = 0;
    seed = 20261207 + s;
    sets[s].make();
    if (Write(argv[1], sets[s].name) != 0) return 1;
  }
  printf("locale %04lx, code page %u\n", (unsigned long)GetThreadLocale(), GetACP());
  return 0;
}

// fontconfig keeps the fonts it has read for the life of the process once librsvg lays out
// text: LeakSanitizer is told so, for every program that measures text through the reader.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

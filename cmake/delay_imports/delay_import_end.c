/* The end of vittrel.exe's delay-import descriptors: one descriptor of zeros, as the format asks.
   dlltool's libraries put each descriptor in a section .text$2, and the linker sorts .text$3 right
   after those. tools/set_delay_import_directory.py checks that it lies there. */
__attribute__((section(".text$3"), used, aligned(4))) const unsigned char vittrel_delay_import_end[32] = {0};

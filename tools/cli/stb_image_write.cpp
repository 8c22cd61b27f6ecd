// The one translation unit that holds stb_image_write's code. Files are written
// through our own platform layer (stbi_write_png_to_func), never by stb's fopen.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

// The image pack: pictures kept in one file, each entry its size, its name
// and its pixels in 15-bit colour, back to back:
//
//   width   2 bytes, little-endian
//   height  2 bytes, little-endian
//   name    upper case, with its extension, no folder, NUL-terminated
//           (at most 127 characters)
//   pixels  width x height 16-bit little-endian values, top row first:
//           bits 10-14 red, 5-9 green, 0-4 blue; 0 is black, the colour key
//
// The loaders read one named entry into a drawing object; the converter
// builds or extends a pack from the bitmap files of a folder.
#pragma once
#include <string>

// The pack file's full path; empty until SetPackFile.
extern std::string PackPath;

namespace fwDraw {

// PackPath = the executable's folder followed by name.
void SetPackFile(const char* name);
// The entry of that name (any case) in a new drawing object: its handle, or 0
// after an error box. The record takes the upper-case name and fromPack 1.
int LoadPack(const char* name, int placement);
// Reloads the entry into the given record (fwDraw::RestoreAll's path for
// packed pictures): the handle, or 0 after an error box. Declared in
// object.h as well.
int SwapPack(const char* name, int handle, int placement);
// Adds every bitmap file of the folder (beside the executable; "" for the
// executable's own folder) to the pack, which is first deleted when fresh is
// not 0. 1, or 0 after an error box.
int Convert(const char* packName, const char* folder, int fresh);
// Appends one bitmap file (a name relative to the executable's folder) as
// one entry named after the file, in upper case.
void ConvertOne(const char* packName, const char* fileName);

}  // namespace fwDraw

// The functions of FreeType and fontconfig that the font faces call, looked up
// when a window font is first needed: a program that never draws text in a
// window font does not load the font libraries. The font faces call them
// through the tables, by their own names (freetype.FT_Load_Char(...)); the
// headers give the types and constants.
#pragma once
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#define KAVLOR_FREETYPE_FUNCTIONS(F)                                                               \
    F(FT_Activate_Size)                                                                            \
    F(FT_Done_Size)                                                                                \
    F(FT_Get_Sfnt_Table)                                                                           \
    F(FT_Init_FreeType)                                                                            \
    F(FT_Load_Char)                                                                                \
    F(FT_MulFix)                                                                                   \
    F(FT_New_Face)                                                                                 \
    F(FT_New_Size)                                                                                 \
    F(FT_Request_Size)                                                                             \
    F(FT_Set_Transform)

#define KAVLOR_FONTCONFIG_FUNCTIONS(F)                                                             \
    F(FcConfigSubstitute)                                                                          \
    F(FcDefaultSubstitute)                                                                         \
    F(FcFontMatch)                                                                                 \
    F(FcPatternAddBool)                                                                            \
    F(FcPatternAddInteger)                                                                         \
    F(FcPatternAddString)                                                                          \
    F(FcPatternCreate)                                                                             \
    F(FcPatternDestroy)                                                                            \
    F(FcPatternGetInteger)                                                                         \
    F(FcPatternGetString)

#define KAVLOR_FONT_LIBRARY_POINTER(name) decltype(&::name) name = nullptr;
struct FreetypeFunctions {
    KAVLOR_FREETYPE_FUNCTIONS(KAVLOR_FONT_LIBRARY_POINTER)
};
struct FontconfigFunctions {
    KAVLOR_FONTCONFIG_FUNCTIONS(KAVLOR_FONT_LIBRARY_POINTER)
};
#undef KAVLOR_FONT_LIBRARY_POINTER

// Loads both libraries on the first call in the process (whichever thread
// makes it) and answers whether both are there; when one is not, the first
// call prints why on standard error, and no window font can be had.
bool fontLibrariesLoaded();

// The tables; their functions may be called once fontLibrariesLoaded()
// answered true on the calling thread or before a lock it holds was taken.
extern const FreetypeFunctions &freetype;
extern const FontconfigFunctions &fontconfig;

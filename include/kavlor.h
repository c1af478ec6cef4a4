/* kavlor.h: the public C interface of the Kavlor plotting library, version 9.1.
 * SPDX-License-Identifier: MIT
 *
 * Every routine works on the calling thread's state. A plot is opened with
 * kavini and closed with kavfin; settings that fix the device, the page and the
 * output file come before kavini. Bad arguments never stop a program: the
 * library prints a numbered warning that names the routine and goes on.
 * Keywords are matched on their first four letters, upper-cased.
 * Texts are 8-bit. The default character coding, chacod("STAN"), reads codes
 * above 126 as the stroke fonts' own codes, where a Latin-1 letter is another
 * character or a blank, and PostScript fonts draw codes above 186 as blanks:
 * Latin-1 text loses its accents ("caf\xe9" shows "caf"). chacod("ISO1")
 * reads texts as ISO 8859-1 (ISO2 and ISO3: ISO 8859-2 and -3).
 */
#ifndef KAVLOR_H
#define KAVLOR_H

#include <stdio.h>

#if defined(__GNUC__)
#define KAVLOR_API __attribute__((visibility("default")))
#else
#define KAVLOR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Opening and closing a plot --------------------------------------------- */

/* Opens a plot: level 0 to 1. The device, page and file are fixed before. */
KAVLOR_API void kavini(void);
/* Closes the plot, writes the file and prints the end-of-run protocol. */
KAVLOR_API void kavfin(void);
/* Version of the library, 9.1. */
KAVLOR_API float getver(void);
/* Patch level of the library. */
KAVLOR_API int getplv(void);
/* Local date "dd.mm.yyyy" (11 bytes) and time "hh:mm:ss" (9 bytes). */
KAVLOR_API void dattim(char *date, char *time);

/* ---- Devices, output files and pages ---------------------------------------- */

/* Output device by keyword: GKSL, CGM, HPGL, POST, PS, EPS, PDF, SVG, PNG, ... */
KAVLOR_API void metafl(const char *device);
/* Name of the output file. */
KAVLOR_API void setfil(const char *filename);
/* What happens to an existing output file: COUN (new version), DELE, BREA. */
KAVLOR_API void filmod(const char *mode);
/* Draws what is pending (and shows the screen window). */
KAVLOR_API void sendbf(void);
/* Shows the screen window as drawn so far, at any level. */
KAVLOR_API void winupd(void);
/* Page format by name: DA4L, DA4P, USAL, ... */
KAVLOR_API void setpag(const char *format);
/* Page size in plot units. */
KAVLOR_API void page(int nx, int ny);
/* Unit of lengths: CM, INCH, POIN, TWIP. */
KAVLOR_API void units(const char *unit);
/* Orientation: LAND, PORT, NONE (and COMI, MOVI). */
KAVLOR_API void pagmod(const char *mode);
/* Scaling onto the device: DOWN, FULL, NONE. */
KAVLOR_API void sclmod(const char *mode);
/* Scale factor of the plot on the device. */
KAVLOR_API void sclfac(float factor);
/* Hardware page of a printer. */
KAVLOR_API void hwpage(int nw, int nh);
/* Hardware origin of a printer. */
KAVLOR_API void hworig(int nx, int ny);
/* Size of the screen window or raster. */
KAVLOR_API void winsiz(int nw, int nh);
/* Position and size of the screen window. */
KAVLOR_API void window(int nx, int ny, int nw, int nh);
/* Delay in seconds of the window mode DELA. */
KAVLOR_API void winopt(int seconds, const char *option);
/* What the screen does at kavfin: FULL, NOER, NONE, NOHO, DELA, NOMB. */
KAVLOR_API void winmod(const char *mode);
/* Key that ends the wait at kavfin: NONE, RETU, ESCA. */
KAVLOR_API void winkey(const char *key);
/* Closes the screen windows that winmod("NONE") left open. */
KAVLOR_API void winfin(void);
/* Title of the current screen window. */
KAVLOR_API void wintit(const char *title);
/* Opens screen window n (1..8) beside the plot's own and draws into it. */
KAVLOR_API void opnwin(int n);
/* Draws into screen window n (1..8) from now on. */
KAVLOR_API void selwin(int n);
/* Closes screen window n (1..8); the plot's own window becomes current. */
KAVLOR_API void clswin(int n);
/* Number of the current screen window; 0 outside a plot. */
KAVLOR_API int winid(void);
/* Cursor input in the current screen window. Positions are in plot units, or
 * pixels after csruni("PIXE"). Without a display, in windows never shown
 * (x11mod PIXM) or in a window of another program nothing waits: no points
 * (n 0), csrpt1 leaves x and y, csrpos gives -1 where it would wait.
 * csrpts: left clicks until MB2, at most nmax of them: n points, iret 1 when
 * more were clicked. */
KAVLOR_API void csrpts(int *x, int *y, int nmax, int *n, int *iret);
/* The path of the cursor while the left button is held, at most nmax points. */
KAVLOR_API void csrmov(int *x, int *y, int nmax, int *n, int *iret);
/* One left click. */
KAVLOR_API void csrpt1(int *x, int *y);
/* Moves the cursor to x, y and waits for a key or click (csrmod STAN), only
 * moves it (SET), waits and reads it (READ) or reads it now (GET); returns the
 * key: 1..4 arrows left, up, right, down, 5 left button, 6 MB2, 27 ESC, or the
 * character; -1 without a screen plot, 0 for SET and GET. */
KAVLOR_API int csrpos(int *x, int *y);
/* Units of cursor positions: PLOT or PIXE. */
KAVLOR_API void csruni(const char *keyword);
/* Cursor during input: NONE (unchanged), CROS, ARRO, VARR. */
KAVLOR_API void csrtyp(const char *keyword);
/* What csrpos does, with key "POS": STAN, SET, READ, GET. */
KAVLOR_API void csrmod(const char *keyword, const char *key);
/* The cursor of the screen window now: CROS, ARRO, VARR. */
KAVLOR_API void setcsr(const char *keyword);
/* Screen background: ERAS, NOER, REVE (white), NORE, AUTO; before kavini. */
KAVLOR_API void scrmod(const char *keyword);
/* Screen windows: STOR (backing bitmap), NOST (straight into the window), AUTO,
 * PIXM (never shown); before kavini. */
KAVLOR_API void x11mod(const char *keyword);
/* Bits per pixel: of the screen at level 0 (8 without a display), else of the plot. */
KAVLOR_API int getbpp(void);
/* Width and height of the screen in pixels; 0, 0 without a display. */
KAVLOR_API void getscr(int *nw, int *nh);
/* The display: "WIND" when the X display opens, else "NONE". */
KAVLOR_API const char *getdsp(void);
/* Identifier of the current screen window (WIND); SCRE and PIXM give -1. */
KAVLOR_API int getxid(const char *keyword);
/* Draws into a window of another program: id with NONE, WIND, PIXM or WIDG
 * (a widget of this program). */
KAVLOR_API void setxid(int id, const char *keyword);
/* Origin of page coordinates: TOP or BOTT. */
KAVLOR_API void pagorg(const char *origin);
/* Shift of the origin of plot coordinates. */
KAVLOR_API void origin(int nx, int ny);
/* Erases the page. */
KAVLOR_API void erase(void);
/* Starts a new page. */
KAVLOR_API void newpag(void);
/* Draws the border of the page. */
KAVLOR_API void pagera(void);
/* Fills the page with a colour. */
KAVLOR_API void pagfll(int colour);
/* Header line of text1, date, time, version and text2 in corner 1..4 (lower left, lower right,
 * upper right, upper left), direction 0 horizontal or 1 vertical. */
KAVLOR_API void paghdr(const char *text1, const char *text2, int corner, int direction);

/* ---- Vector files: PDF, CGM, handing files to drivers ----------------------- */

/* PDF option COMP (compress streams) or BUFF (keep the file in memory) ON or OFF; before kavini. */
KAVLOR_API void pdfmod(const char *value, const char *option);
/* After kavfin: copies the PDF kept in memory into buffer; size 0 only returns its length. */
KAVLOR_API int pdfbuf(char *buffer, int size);
/* WMF option FORM: STAN (plain metafile) or PLAC (with the placeable header); before kavini. */
KAVLOR_API void wmfmod(const char *value, const char *option);
/* Bookmark for the current PDF page at level CHAP, SECT, SUBS, PARA or SUBP. */
KAVLOR_API void pdfmrk(const char *text, const char *level);
/* CGM version and profile: 1 (CALS) or 4 (WebCGM); before kavini. */
KAVLOR_API void cgmver(int version);
/* Name of the next CGM pictures (at most 256 characters). */
KAVLOR_API void cgmpic(const char *name);
/* Background colour of the next CGM pictures, components 0..1. */
KAVLOR_API void cgmbgd(float red, float green, float blue);
/* After kavfin: hands the plot file to the driver for device, or deletes it (device NONE); option
 * KEEP or DELE. */
KAVLOR_API void symfil(const char *device, const char *option);

/* ---- Defaults --------------------------------------------------------------- */

/* Restores a group of parameters by keyword, or all of them with ALL. */
KAVLOR_API void reset(const char *keyword);

/* ---- Lines and clipping ----------------------------------------------------- */

/* Line between two points in plot units. */
KAVLOR_API void line(int nx1, int ny1, int nx2, int ny2);
/* Clip window in plot units. */
KAVLOR_API void clpwin(int nx, int ny, int nw, int nh);
/* Clipping mode for axis systems: AUTO, NONE, CIRC, RECT. */
KAVLOR_API void clpmod(const char *mode);
/* No clipping at axis systems. */
KAVLOR_API void noclip(void);

/* Line style 0..7: solid, dot, dash, chndsh, chndot, dashm, dotl, dashl. */
KAVLOR_API void lintyp(int style);
KAVLOR_API void solid(void);
KAVLOR_API void dot(void);
KAVLOR_API void dash(void);
KAVLOR_API void chndsh(void);
KAVLOR_API void chndot(void);
KAVLOR_API void dashm(void);
KAVLOR_API void dotl(void);
KAVLOR_API void dashl(void);
/* User dash pattern of n element lengths in plot units (drawn, gap, ...). */
KAVLOR_API void myline(const int *lengths, int n);
/* Line width in plot units. */
KAVLOR_API void linwid(int width);
/* Line width as a float. */
KAVLOR_API void penwid(float width);
/* Line join: SHAR, ROUN, TRUN. */
KAVLOR_API void lnjoin(const char *join);
/* Line cap: CUT, ROUN, LONG. */
KAVLOR_API void lncap(const char *cap);
/* Miter limit of sharp joins, at least 1. */
KAVLOR_API void lnmlt(float limit);
/* Line spacing factor of multi-line text. */
KAVLOR_API void linesp(float factor);

/* ---- Text --------------------------------------------------------------------- */

/* Draws text with its upper-left corner at (nx, ny); nx = ny = 999 continues the last text. */
KAVLOR_API void messag(const char *text, int nx, int ny);
/* Length of text in plot units in the current font and settings. */
KAVLOR_API int nlmess(const char *text);
/* Character height in plot units, 1..10000. */
KAVLOR_API void height(int n);
/* Text angle in degrees, counter-clockwise. */
KAVLOR_API void angle(int n);
/* Justification of messag: LEFT, CENT, RIGH. */
KAVLOR_API void txtjus(const char *key);
/* Thickness of a frame drawn round every messag text; 0 none. */
KAVLOR_API void frmess(int thickness);
/* Width factor of characters, 0 < x < 2. */
KAVLOR_API void chawth(float x);
/* Extra spacing between characters in character heights. */
KAVLOR_API void chaspc(float x);
/* Slant of characters in degrees, -60..60. */
KAVLOR_API void chaang(float degrees);
/* Fixed character width: factor x of the character height. */
KAVLOR_API void fixspc(float x);
/* 8-bit coding of texts: STAN, ISO1, ISO2, ISO3. */
KAVLOR_API void chacod(const char *coding);

/* ---- Formula notation -------------------------------------------------------- */

/* Texts as formulas in the manner of TeX: OFF or ON. */
KAVLOR_API void texmod(const char *mode);
/* Switches (OFF, ON) the option LIMI (limits above and below) or ITAL (italic letters). */
KAVLOR_API void texopt(const char *mode, const char *option);
/* Value of an option of the formula notation: EXP, the size factor of scripts. */
KAVLOR_API void texval(float value, const char *key);

/* ---- Alphabets and control characters ---------------------------------------- */

/* Slot n 1..6 of mixed alphabets: alphabet STAN GREE MATH ITAL SCRI RUSS INST and its
 * shift-in and shift-out characters. */
KAVLOR_API void smxalf(const char *alph, const char *cin, const char *cout, int n);
/* First slot of an alphabet and its shift characters (2 bytes each); 0 when none. */
KAVLOR_API int gmxalf(const char *alph, char *cin, char *cout);
/* Switches on the exponent and index control characters. */
KAVLOR_API void mixalf(void);
/* Control characters ^ (exponent), _ (index), % (reset). */
KAVLOR_API void newmix(void);
/* Control character c for EXP, IND, RES, LEG or TEX. */
KAVLOR_API void setmix(const char *c, const char *key);
/* Height factor of exponents and indices. */
KAVLOR_API void setexp(float x);
/* Baseline shift of exponents and indices in character heights. */
KAVLOR_API void setbas(float x);
/* Base alphabet of texts: STAN, GREE, MATH, ITAL, SCRI, RUSS. */
KAVLOR_API void basalf(const char *key);
/* Escape character c of GERM, DANI, SPAN, FREN, ACUT, GRAV, CIRC or TURK letters. */
KAVLOR_API void eushft(const char *kind, const char *c);

/* ---- Fonts ------------------------------------------------------------------- */

/* The default stroke font. */
KAVLOR_API void kavalf(void);
/* Stroke fonts: complex, simplex, duplex, triplex, gothic. */
KAVLOR_API void complx(void);
KAVLOR_API void simplx(void);
KAVLOR_API void duplx(void);
KAVLOR_API void triplx(void);
KAVLOR_API void gothic(void);
/* Outline fonts: sans serif, sans serif bold, serif. */
KAVLOR_API void helve(void);
KAVLOR_API void helves(void);
KAVLOR_API void serif(void);
/* Fills the characters of the outline fonts. */
KAVLOR_API void shdcha(void);
/* A standard PostScript font on PostScript, PDF and SVG output. */
KAVLOR_API void psfont(const char *name);
/* Greek and italic characters in PostScript fonts: NONE, GREE, ITAL, BOTH. */
KAVLOR_API void psmode(const char *mode);
/* A Windows font on the screen and in WMF files. */
KAVLOR_API void winfnt(const char *name);
/* An X11 font (not available). */
KAVLOR_API void x11fnt(const char *name, const char *option);
/* A bitmap font on raster output: COMP, SIMP or HELV. */
KAVLOR_API void bmpfnt(const char *name);
/* The device's own font, where it has one; else complx. */
KAVLOR_API void hwfont(void);

/* ---- Marker symbols ---------------------------------------------------------- */

/* Marker symbol n centred on (nx, ny). */
KAVLOR_API void symbol(int n, int nx, int ny);
/* Height of marker symbols in plot units, 1..10000. */
KAVLOR_API void hsymbl(int n);
/* Rotation of marker symbols in degrees. */
KAVLOR_API void symrot(float degrees);
/* User symbol number isym of n points (x, y) in -1..1, filled when ifill is 1. */
KAVLOR_API void mysymb(const float *x, const float *y, int n, int isym, int ifill);

/* ---- Base transformation and conversions -------------------------------------- */
/* Shifts everything drawn afterwards by (nx, ny) plot units. */
KAVLOR_API void trfshf(int nx, int ny);
/* Scales everything drawn afterwards. */
KAVLOR_API void trfscl(float xscale, float yscale);
/* Rotates everything drawn afterwards by angle degrees about the page point (nx, ny). */
KAVLOR_API void trfrot(float angle, int nx, int ny);
/* Ends the base transformation. */
KAVLOR_API void trfres(void);
/* Converts angles between DEGR and RADI. */
KAVLOR_API void trfco1(float *x, int n, const char *from, const char *to);
/* Converts points between RECT and POLA (x the angle in degrees, y the radius). */
KAVLOR_API void trfco2(float *x, float *y, int n, const char *from, const char *to);
/* Converts points between RECT, SPHE and CYLI. */
KAVLOR_API void trfco3(float *x, float *y, float *z, int n, const char *from, const char *to);
/* Date of a day number counted from the base date of basdat. */
KAVLOR_API void trfdat(int ndays, int *day, int *month, int *year);
/* Resamples the nx by ny matrix z bilinearly into the nx2 by ny2 matrix z2. */
KAVLOR_API void trfmat(const float *z, int nx, int ny, float *z2, int nx2, int ny2);
/* ---- Area fill and shading patterns ------------------------------------------ */
/* Fills the polygon of n points (plot units) with the current pattern and colour. */
KAVLOR_API void areaf(const int *nx, const int *ny, int n);
/* areaf draws no outline before filling. */
KAVLOR_API void noarln(void);
/* Shading pattern 0..17 (16 solid), or a pattern code above 17. */
KAVLOR_API void shdpat(int n);
/* Shading pattern of angle 0..179, type 0..7, density 0..9 and cross flag 0..1. */
KAVLOR_API void mypat(int iangle, int itype, int idens, int icross);
/* ---- Shields: areas where lines are not drawn ----------------------------- */
/* Rectangle shield from corner (nx, ny) of width nw and height nh. */
KAVLOR_API void shlrec(int nx, int ny, int nw, int nh);
/* Rectangle shield turned by angle degrees about its corner. */
KAVLOR_API void shlrct(int nx, int ny, int nw, int nh, float angle);
/* Circle shield of centre (nx, ny) and radius nr. */
KAVLOR_API void shlcir(int nx, int ny, int nr);
/* Ellipse shield of semi-axes na, nb turned by angle degrees. */
KAVLOR_API void shlell(int nx, int ny, int na, int nb, float angle);
/* Pie sector shield of radius nr from angle alpha to beta (degrees). */
KAVLOR_API void shlpie(int nx, int ny, int nr, float alpha, float beta);
/* Polygon shield of n points. */
KAVLOR_API void shlpol(const int *nx, const int *ny, int n);
/* Automatic shields of MESS, SYMB, BARS, PIE, LEGE: ON, OFF, VIS, NOVI, DELE, RESE. */
KAVLOR_API void shield(const char *object, const char *option);
/* Puts shield id (0: every shield) in force (ON) or out of force (OFF). */
KAVLOR_API void shlvis(int id, const char *mode);
/* Deletes shield id; 0 deletes every user shield. */
KAVLOR_API void shldel(int id);
/* Deletes the n most recently defined user shields. */
KAVLOR_API void shlres(int n);
/* Number of shields defined. */
KAVLOR_API int shlind(void);
/* Surfaces leave hidden-line removal in force for the lines drawn after them. */
KAVLOR_API void shlsur(void);
/* Sorts the pairs (a[i], b[i]) by a: option "A" ascending, "D" descending. */
KAVLOR_API void sortr2(float *a, float *b, int n, const char *option);

/* ---- Figures: circles, arcs, sectors, rectangles, arrows -------------------- */

/* Circle of centre (nx, ny) and radius nr, outlined and filled in the current pattern. */
KAVLOR_API void circle(int nx, int ny, int nr);
/* Ellipse of centre (nx, ny) and semi-axes na, nb. */
KAVLOR_API void ellips(int nx, int ny, int na, int nb);
/* Elliptical arc from alpha to beta degrees, the ellipse turned by theta degrees. */
KAVLOR_API void arcell(int nx, int ny, int na, int nb, float alpha, float beta, float theta);
/* Point spacing of circles and arcs in plot units, 1..10000. */
KAVLOR_API void circsp(int n);
/* Ring sector between radii nr1 and nr2 from alpha to beta degrees, filled in colour. */
KAVLOR_API void sector(int nx, int ny, int nr1, int nr2, float alpha, float beta, int colour);
/* Rectangle from corner (nx, ny), nw by nh, with corners rounded by option 0..9. */
KAVLOR_API void rndrec(int nx, int ny, int nw, int nh, int option);
/* Rectangle from corner (nx, ny), nw by nh, outlined and filled in the current pattern. */
KAVLOR_API void rectan(int nx, int ny, int nw, int nh);
/* Rectangle from corner (nx, ny), nw by nh, filled in colour. */
KAVLOR_API void recfll(int nx, int ny, int nw, int nh, int colour);
/* Filled box nb wide and nh high centred on (nx, ny), in colour. */
KAVLOR_API void point(int nx, int ny, int nb, int nh, int colour);
/* Solid triangle of the three page points in the current colour. */
KAVLOR_API void trifll(const float *x, const float *y);
/* Wind symbol of speed xvel at page point (nx, ny): a staff nl plot units long pointing angle
 * degrees, with a pennant for each 50, a barb for each 10 and a half barb for 5; circles for calm.
 */
KAVLOR_API void windbr(float xvel, int nx, int ny, int nl, float angle);
/* Pen move to (x, y) in plot units, the page origin at the top. */
KAVLOR_API void strtpt(float x, float y);
/* Line to (x, y) in plot units, the page origin at the top. */
KAVLOR_API void connpt(float x, float y);
/* Arrow from (nx1, ny1) to (nx2, ny2); ivec: head width, length, form and ends as four digits. */
KAVLOR_API void vector(int nx1, int ny1, int nx2, int ny2, int ivec);

/* ---- Vector logo ------------------------------------------------------------ */

/* Draws the logo at page corner 1..4 (lower left, lower right, upper right, upper left). */
KAVLOR_API void qornpl(int corner);
/* Background and emblem colours of the logo, 0..255 each. */
KAVLOR_API void qlgclr(int background, int emblem);
/* The same, each within the two end indices of the colour table. */
KAVLOR_API void colqlg(int background, int emblem);
/* Upper-left corner of the logo in plot units, in place of a page corner. */
KAVLOR_API void qlgpos(int nx, int ny);
/* The same as qlgpos. */
KAVLOR_API void qlgcor(int nx, int ny);
/* Edge of the logo in plot units, 1..10000. */
KAVLOR_API void qlgsiz(int n);
/* Angle of the logo in degrees. */
KAVLOR_API void qlgang(int angle);
/* The logo's emblem is outlined, not filled. */
KAVLOR_API void nofill(void);

/* ---- Colours ------------------------------------------------------------------ */

/* Colour table: SMAL, RAIN, SPEC, GREY, RRAI, RSPE, RGRE, VGA, TEMP. */
KAVLOR_API void setvlt(const char *table);
/* Current colour by name: WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC FORE BACK. */
KAVLOR_API void color(const char *name);
/* Current colour by table index. */
KAVLOR_API void setclr(int index);
/* Current colour by RGB components 0..1. */
KAVLOR_API void setrgb(float red, float green, float blue);
/* Sets one entry of the colour table. */
KAVLOR_API void setind(int index, float red, float green, float blue);
/* Sets the first n entries of the colour table. */
KAVLOR_API void myvlt(const float *red, const float *green, const float *blue, int n);
/* Index of the table entry nearest to an RGB colour. */
KAVLOR_API int indrgb(float red, float green, float blue);
/* Explicit colour value of an RGB colour: 0x01BBGGRR. */
KAVLOR_API int intrgb(float red, float green, float blue);
/* Colour range of colour scales. */
KAVLOR_API void colran(int first, int last);
/* Colour numbers of the n values z on the colour bar's scaling (level 3). */
KAVLOR_API void colray(const float *zray, int *nray, int n);
/* Colour mode: NONE, FULL, CONT. */
KAVLOR_API void clrmod(const char *mode);
/* Entry of the curve colour cycle. */
KAVLOR_API void clrcyc(int index, int colour);
/* Exchanges background and foreground colours. */
KAVLOR_API void revscr(void);

/* ---- Getters ---------------------------------------------------------------------
 * At a wrong level a getter warns, leaves its outputs alone and returns 0 or NULL.
 * Returned texts stay valid until the next call of the same getter. */

/* The level of the plot, 0..3. */
KAVLOR_API int getlev(void);
/* Page size in plot units, plus one. */
KAVLOR_API void getpag(int *nx, int *ny);
/* Origin shift of plot coordinates. */
KAVLOR_API void getor(int *nx, int *ny);
/* Position and size of the screen window (or raster). */
KAVLOR_API void getwin(int *nx, int *ny, int *nw, int *nh);
/* Clip window: corner, width and height. */
KAVLOR_API void getclp(int *nx, int *ny, int *nw, int *nh);
/* Line style 0..7. */
KAVLOR_API int gettyp(void);
/* Line width. */
KAVLOR_API int getlin(void);
/* Current colour value. */
KAVLOR_API int getclr(void);
/* Components 0..1 of the current colour. */
KAVLOR_API void getrgb(float *red, float *green, float *blue);
/* Components 0..1 of a colour value (table index or explicit value). */
KAVLOR_API void getind(int colour, float *red, float *green, float *blue);
/* Colour range of colour scales. */
KAVLOR_API void getran(int *first, int *last);
/* Name of the colour table: SMALL, RAIN, SPEC, GREY, RRAIN, RSPEC, RGREY, VGA, TEMP. */
KAVLOR_API const char *getvlt(void);
/* Current shading pattern. */
KAVLOR_API int getpat(void);
/* Current character height in plot units and text angle in degrees. */
KAVLOR_API int gethgt(void);
KAVLOR_API int getang(void);
/* Name of the base alphabet: STANDARD, GREEK, MATHEMATIC, ITALIC, SCRIPT, RUSSIAN. */
KAVLOR_API const char *getalf(void);
/* Control character of mixed text for EXP, IND, RES, LEG or TEX, as a text of one character. */
KAVLOR_API const char *getmix(const char *copt);
/* Escape character that eushft gave a group (GERM, DANI, ...), or a blank. */
KAVLOR_API const char *getshf(const char *copt);
/* The stream messages go to. */
KAVLOR_API FILE *getuni(void);
/* Device keyword. */
KAVLOR_API const char *getmfl(void);
/* Name of the output file. */
KAVLOR_API const char *getfil(void);

/* ---- Image mode and pixel access ------------------------------------------- */
/* Pixel values are colour numbers (one byte) or, after imgmod("RGB"), red,
 * green and blue bytes; coordinates are pixels, origin top left. */

/* Starts image mode: the pixels of the window, raster or PostScript/PDF image. */
KAVLOR_API void imgini(void);
/* Ends image mode; on PostScript and PDF the image goes into the file. */
KAVLOR_API void imgfin(void);
/* Pixel values of the pixel routines: IND (colour numbers) or RGB. */
KAVLOR_API void imgmod(const char *mode);
/* Pixel size of the PostScript/PDF image. */
KAVLOR_API void imgsiz(int nw, int nh);
/* Page rectangle of the PostScript/PDF image, in plot units. */
KAVLOR_API void imgbox(int nx, int ny, int nw, int nh);
/* Part of the window or raster that raster files cover, in pixels. */
KAVLOR_API void imgclp(int nx, int ny, int nw, int nh);
/* Pixel format of raster files: IND, RGB or BIL (bilevel); before kavini. */
KAVLOR_API void imgfmt(const char *format);
/* Writes one pixel: a colour number or an explicit value 0x01BBGGRR. */
KAVLOR_API void wpixel(int ix, int iy, int iclr);
/* Reads one pixel: its colour number, or 0x01BBGGRR in RGB mode. */
KAVLOR_API void rpixel(int ix, int iy, int *iclr);
/* Writes n pixels of row iy from column ix. */
KAVLOR_API void wpxrow(const unsigned char *iray, int ix, int iy, int n);
/* Reads n pixels of row iy from column ix. */
KAVLOR_API void rpxrow(unsigned char *iray, int ix, int iy, int n);
/* Writes a rectangle of nw x nh pixels, row by row. */
KAVLOR_API void wpixls(const unsigned char *iray, int ix, int iy, int nw, int nh);
/* Reads a rectangle of nw x nh pixels, row by row. */
KAVLOR_API void rpixls(unsigned char *iray, int ix, int iy, int nw, int nh);
/* Saves the picture as a bitmap file of the library's own format. */
KAVLOR_API void rimage(const char *cfil);
/* Loads a bitmap file of the library's own format into the picture. */
KAVLOR_API void wimage(const char *cfil);

/* ---- Raster files of the picture ------------------------------------------- */

/* Writes the current window or raster as a TIFF file. */
KAVLOR_API void rtiff(const char *cfil);
/* Writes the current window or raster as a PNG file. */
KAVLOR_API void rpng(const char *cfil);
/* Writes the current window or raster as a PPM file. */
KAVLOR_API void rppm(const char *cfil);
/* Writes the current window or raster as a BMP file. */
KAVLOR_API void rbmp(const char *cfil);
/* Writes the current window or raster as a GIF file. */
KAVLOR_API void rgif(const char *cfil);
/* A PNG file of the picture into cbuf; its length, or 0. nmax 0: only the length. */
KAVLOR_API int rbfpng(char *cbuf, int nmax);
/* PNG transparency: cmode OFF or ON, ckey TRAN; before kavini. */
KAVLOR_API void pngmod(const char *cmode, const char *ckey);
/* GIF transparency: cmode OFF or ON, ckey TRAN; before kavini. */
KAVLOR_API void gifmod(const char *cmode, const char *ckey);
/* TIFF resolution: n pixels per unit INCH or CM, copt RESO; before kavini. */
KAVLOR_API void tifmod(int n, const char *cunit, const char *copt);

/* ---- File inclusion -------------------------------------------------------- */

/* Includes a text metafile, CGM, BMP or GIF file into the file box (or the page). */
KAVLOR_API void incfil(const char *cfil);
/* Rectangle of the page for included files, in plot units. */
KAVLOR_API void filbox(int nx, int ny, int nw, int nh);
/* Colours of included vector files: ALL (applied) or NONE (ignored). */
KAVLOR_API void filclr(const char *copt);
/* Puts a TIFF file written by the library into the picture. */
KAVLOR_API void wtiff(const char *cfil);
/* Part of a TIFF file that wtiff reads, in pixels. */
KAVLOR_API void tifwin(int nx, int ny, int nw, int nh);
/* Position in the picture at which wtiff puts the file. */
KAVLOR_API void tiforg(int nx, int ny);
/* Logo of size 100, 125, 150, 175, 200 or 300, variant NOTE or TEXT, at (nx, ny). */
KAVLOR_API void zellogo(int nx, int ny, int nsize, const char *copt);

/* ---- Files of the caller ------------------------------------------------------ */

/* Opens a binary file as unit 0..99: mode 0 read, 1 write, 2 append.
 * 0 done, 1 open failed, 2 unit in use, -1 bad unit or mode. */
KAVLOR_API int openfl(const char *filename, int unit, int mode);
/* Closes a unit; 0 done, -1 bad unit. */
KAVLOR_API int closfl(int unit);
/* Reads up to nbytes; the number read, -1 for a bad unit. */
KAVLOR_API int readfl(int unit, char *buffer, int nbytes);
/* Writes nbytes; the number written, -1 for a bad unit. */
KAVLOR_API int writfl(int unit, const char *buffer, int nbytes);
/* Moves nbytes on from the current position; 0 or -1. */
KAVLOR_API int skipfl(int unit, int nbytes);
/* Moves to a byte position from the start; 0 or -1. */
KAVLOR_API int posifl(int unit, int position);
/* The current byte position, -1 for a bad unit. */
KAVLOR_API int tellfl(int unit);
/* Saves (SAVE) or loads (LOAD) the colour table as a text file. */
KAVLOR_API void vltfil(const char *filename, const char *mode);

/* ---- Messages and warnings ------------------------------------------------ */

/* Messages go to stream; a null stream switches them off. Takes effect after kavini. */
KAVLOR_API void unit(FILE *stream);
/* item WARN, CHEC, PROT or ALL; mode ON or OFF. */
KAVLOR_API void errmod(const char *item, const char *mode);
/* Name of the message file (default "kavlor.err"); before kavini. */
KAVLOR_API void errfil(const char *filename);
/* CONS: messages on standard output; FILE: in the message file. Before kavini. */
KAVLOR_API void errdev(const char *device);
/* CONS or WIND: a windowed application writes its messages into the message file. */
KAVLOR_API void winapp(const char *kind);
/* Same as winapp("WIND"). */
KAVLOR_API void winini(void);

/* ---- Threads --------------------------------------------------------------- */

/* Gives each of up to nthreads threads its own state; call before anything else. */
KAVLOR_API void thrini(int nthreads);
/* Frees the state of every thread and ends thread mode; call it after those threads have ended. */
KAVLOR_API void thrfin(void);
/* Frees the calling thread's state; only when no plot is open. */
KAVLOR_API void delglb(void);

/* ---- Small utilities ------------------------------------------------------- */

/* Upper-cases the letters a..z of text in place. */
KAVLOR_API void upstr(char *text);
/* Length of text without trailing blanks. */
KAVLOR_API int trmlen(const char *text);
/* Swaps the two bytes of each of the n 16-bit words of a, in place. */
KAVLOR_API void swapi2(short *a, int n);
/* Reverses the four bytes of each of the n 32-bit words of a, in place. */
KAVLOR_API void swapi4(int *a, int n);
/* Moves the nbits-bit field iin bits below the top of nin to iout below the top, ORed into nout. */
KAVLOR_API short bitsi2(int nbits, short nin, int iin, short nout, int iout);
/* The same as bitsi2 on 32-bit words. */
KAVLOR_API int bitsi4(int nbits, int nin, int iin, int nout, int iout);
/* Sorts x[0..n-1] in place: order "A" ascending, "D" descending. */
KAVLOR_API void sortr1(float *x, int n, const char *order);

/* ---- Numbers as text ------------------------------------------------------- */

/* Length of the text of x with ndig decimals (-1: rounded to an integer). */
KAVLOR_API int flen(float x, int ndig);
/* Writes x with ndig decimals (-1: an integer) into text of flen(x, ndig) + 1 bytes. */
KAVLOR_API int fcha(float x, int ndig, char *text);
/* Number of characters of n, a minus sign included. */
KAVLOR_API int intlen(int n);
/* Writes n into text (at most 11 characters and the end byte); returns the length. */
KAVLOR_API int intcha(int n, char *text);
/* Format of plotted numbers: FLOA, EXP, FEXP or LOG. */
KAVLOR_API void numfmt(const char *format);
/* Decimal POIN/COMM, separator NONE/SPAC/POIN/COMM, sign NONE/SPAC/PLUS, NOEQ/EQUA. */
KAVLOR_API void numode(const char *decimal, const char *separator, const char *sign,
                       const char *exponent);
/* Plots x with ndig decimals (-1: an integer) at (nx, ny) in the format of numfmt. */
KAVLOR_API void number(float x, int ndig, int nx, int ny);
/* Length in plot units of what number would plot. */
KAVLOR_API int nlnumb(float x, int ndig);

/* ---- Dates ----------------------------------------------------------------- */

/* Days from the base date to the date, negative before it. */
KAVLOR_API int incdat(int iday, int imon, int iyear);
/* Weekday of the date: 1 Monday ... 7 Sunday; 0 for a bad date. */
KAVLOR_API int nwkday(int iday, int imon, int iyear);
/* Base date that date axes and incdat count their days from. */
KAVLOR_API void basdat(int iday, int imon, int iyear);

/* ---- Splines --------------------------------------------------------------- */

/* Spline through the n points; xs and ys take splmod's point count + 1 (201) values. */
KAVLOR_API void spline(const float *x, const float *y, int n, float *xs, float *ys, int *ns);

/* ---- Statistics and point geometry ----------------------------------------- */

/* Statistic of x[0..n-1]: MEAN, AVER, VARI, STAN, THIR or FOUR. */
KAVLOR_API float moment(const float *x, int n, const char *key);
/* Centre (xm, ym) and radius r of the circle through three points. */
KAVLOR_API void circ3p(float x1, float y1, float x2, float y2, float x3, float y3, float *xm,
                       float *ym, float *r);
/* np points of the Bezier curve with the nc control points (xc, yc). */
KAVLOR_API void bezier(const float *xc, const float *yc, int nc, float *xp, float *yp, int np);

/* ---- Colour conversion ----------------------------------------------------- */

/* Hue (degrees 0..360), saturation and value (0..1) of red, green and blue (0..1). */
KAVLOR_API void rgbhsv(float r, float g, float b, float *h, float *s, float *v);
/* Red, green and blue (0..1) of hue (degrees 0..360), saturation and value (0..1). */
KAVLOR_API void hsvrgb(float h, float s, float v, float *r, float *g, float *b);

/* ---- 2-D axis systems -------------------------------------------------------- */

/* Opens a 2-D axis system: level 1 to 2. X from xa to xe with the first label at xorg and
 * labels every xstp; Y likewise; with setscl the axes are scaled from the data instead. */
KAVLOR_API void graf(float xa, float xe, float xorg, float xstp, float ya, float ye, float yorg,
                     float ystp);
/* Closes the axis system: level back to 1. */
KAVLOR_API void endgrf(void);
/* What the bottom, left, top and right sides draw: NONE, LINE, TICK, LABE, NAME. */
KAVLOR_API void setgrf(const char *cbottom, const char *cleft, const char *ctop,
                       const char *cright);
/* Axis lengths in plot units, at least 2. */
KAVLOR_API void axslen(int nxl, int nyl);
/* Lower-left corner of the next axis system in plot units. */
KAVLOR_API void axspos(int nxa, int nya);
/* Plot position of the user origin of a crossed axis system. */
KAVLOR_API void axsorg(int nxa, int nya);
/* Axis-system type: RECT (four axes) or CROS (two axes crossing at the user origin). */
KAVLOR_API void axstyp(const char *copt);
/* Background colour of the axis system, -1 none. */
KAVLOR_API void axsbgd(int nclr);
/* The top X axis and the right Y axis are not drawn. */
KAVLOR_API void ax2grf(void);
/* The next axis system is scaled but not drawn. */
KAVLOR_API void nograf(void);
/* The next axis system is centred on the page with its labels, names and title. */
KAVLOR_API void center(void);
/* Frame thickness of axis systems in plot units: > 0 outwards, < 0 inwards, 0 none. */
KAVLOR_API void frame(int nfrm);
/* Frame colour, -1 the current colour. */
KAVLOR_API void frmclr(int nclr);
/* Frames the current axis system with the frame thickness. */
KAVLOR_API void box2d(void);
/* Grid lines across the axis system: i per label interval of X, j per label interval of Y. */
KAVLOR_API void grid(int igrid, int jgrid);
/* Margin of the clip rectangle around the axis system in plot units, -1 default. */
KAVLOR_API void grace(int ngrace);
/* Clipping at the page (PAGE) or at the axis system (AXIS) until endgrf. */
KAVLOR_API void clpbor(const char *copt);

/* ---- Axis systems with a colour bar -------------------------------------------- */

/* Opens a 2-D axis system with a colour bar as Z axis: level 1 to 3. X and Y as in graf;
 * Z from za to ze with the first label at zorg and labels every zstp maps values to the
 * colour range. */
KAVLOR_API void graf3(float xa, float xe, float xorg, float xstp, float ya, float ye, float yorg,
                      float ystp, float za, float ze, float zorg, float zstp);
/* Width of the colour bar in plot units, 0..10000. */
KAVLOR_API void widbar(int n);
/* Horizontal and vertical shift of the colour bar in plot units. */
KAVLOR_API void vkxbar(int n);
KAVLOR_API void vkybar(int n);
/* graf3 draws no colour bar. */
KAVLOR_API void nobar(void);
/* Points of colour plots below the colour range are not drawn. */
KAVLOR_API void nobgd(void);
/* Points of colour plots sized so that ixdim by iydim of them (2..10000) cover the axes. */
KAVLOR_API void autres(int ixdim, int iydim);
/* Width and height of the points of colour plots in plot units. */
KAVLOR_API void setres(int npb, int nph);

/* ---- Axes, ticks and labels -------------------------------------------------- */

/* Ticks per label interval, 0..1000, of the axes named in cax ("X", "XY", "XYZ"). */
KAVLOR_API void ticks(int n, const char *cax);
/* Major and minor tick lengths in plot units, 1..10000. */
KAVLOR_API void ticlen(int nmaj, int nmin);
/* Ticks on the label side (LABE), reversed (REVE) or centred (CENT). */
KAVLOR_API void ticpos(const char *copt, const char *cax);
/* Ticks of date axes: NONE, DAYS, MONT, QUAR, HALF, YEAR, DMON. */
KAVLOR_API void ticmod(const char *copt, const char *cax);
/* Logarithmic minor ticks for every integer step: AUTO or FULL. */
KAVLOR_API void logtic(const char *copt);
/* Times in labels with colons. */
KAVLOR_API void timopt(void);
/* User labels right-justified. */
KAVLOR_API void rgtlab(void);
/* Name and vertical labels of the right Y axis at 90 degrees instead of 270. */
KAVLOR_API void rvynam(void);
/* Label kind: NONE, FLOA, EXP, LOG, CLOG, ELOG, MAP, DMAP, LMAP, TIME, HOUR, SECO, MYLA, FEXP,
 * DATE. */
KAVLOR_API void labels(const char *copt, const char *cax);
/* Labels horizontal (HORI) or vertical (VERT). */
KAVLOR_API void labtyp(const char *copt, const char *cax);
/* Labels at the ticks (TICK), between them (CENT) or shifted inside the axis (SHIF). */
KAVLOR_API void labpos(const char *copt, const char *cax);
/* Justification of labels: AUTO, LEFT, RIGH, OUTW, INWA. */
KAVLOR_API void labjus(const char *copt, const char *cax);
/* Labels of 3-D axes: STAN, HORI, PARA, OTHE. */
KAVLOR_API void labl3d(const char *copt);
/* Distance between axis and labels in plot units. */
KAVLOR_API void labdis(int ndis, const char *cax);
/* Decimals of labels, -1..100 (-1: integers without a point). */
KAVLOR_API void labdig(int ndig, const char *cax);
/* Decimals of labels, -1..100 (-1: integers without a point). */
KAVLOR_API void digits(int ndig, const char *cax);
/* Labels of all axes as integers. */
KAVLOR_API void intax(void);
/* Date labels: key FOR, LAN, MON, DAY, YEA, STE, CAS or SEP and its value. */
KAVLOR_API void labmod(const char *ckey, const char *cval, const char *cax);
/* User label number itick (1..20), at most 32 characters, for labels of kind MYLA. */
KAVLOR_API void mylab(const char *cstr, int itick, const char *cax);
/* Which end labels are drawn: NONE, NOFI, NOLA, NOEN, ENDS, FIRS, LAST. */
KAVLOR_API void axends(const char *copt, const char *cax);
/* Colour of a part of the axes (LINE, TICK, LABE, NAME, ALL), -1 the current colour. */
KAVLOR_API void axclrs(int nclr, const char *copt, const char *cax);
/* Axis lines are not drawn. */
KAVLOR_API void noline(const char *cax);
/* Axis name, at most 132 characters. */
KAVLOR_API void name(const char *cstr, const char *cax);
/* Justification of axis names: CENT, LEFT, RIGH. */
KAVLOR_API void namjus(const char *copt, const char *cax);
/* Distance between labels and axis name in plot units. */
KAVLOR_API void namdis(int ndis, const char *cax);
/* Height of axis names, 1..10000. */
KAVLOR_API void hname(int nh);
/* Rounding of logarithmic colour bars to decades: NONE, FIRS, BOTH. */
KAVLOR_API void expzlb(const char *copt);
/* Values at or below 0 on logarithmic axes are plotted at eps (> 0). */
KAVLOR_API void neglog(float eps);

/* ---- Automatic scaling ------------------------------------------------------- */

/* The next axis system scales the axes in cax from the n values; XRES, YRES, ZRES, RES undo it. */
KAVLOR_API void setscl(const float *xray, int n, const char *cax);
/* Linear (LIN) or logarithmic (LOG) axes. */
KAVLOR_API void scale(const char *copt, const char *cax);
/* Linear (LIN) or logarithmic (LOG) axes. */
KAVLOR_API void axsscl(const char *copt, const char *cax);

/* ---- User coordinates to plot coordinates -------------------------------------- */

/* Plot x of user x. */
KAVLOR_API float xposn(float x);
/* Plot y of user y. */
KAVLOR_API float yposn(float y);
/* Plot x of the user point (x, y). */
KAVLOR_API float x2dpos(float x, float y);
/* Plot y of the user point (x, y). */
KAVLOR_API float y2dpos(float x, float y);
/* Plot coordinates of the user point (x, y) of the last axis system, at any level. */
KAVLOR_API void pos2pt(float x, float y, float *xp, float *yp);
/* User x of plot x. */
KAVLOR_API float xinvrs(int nx);
/* User y of plot y. */
KAVLOR_API float yinvrs(int ny);
/* Plot x of user x, rounded. */
KAVLOR_API int nxposn(float x);
/* Plot y of user y, rounded. */
KAVLOR_API int nyposn(float y);
/* The n user points to plot coordinates, in place. */
KAVLOR_API void trfrel(float *x, float *y, int n);

/* Lines through the user origin across the axis system: both, y = 0 only, x = 0 only.
 * Nothing is drawn where 0 lies on or outside the border. */
KAVLOR_API void axgit(void);
KAVLOR_API void xaxgit(void);
KAVLOR_API void yaxgit(void);
/* Axes with ticks but without labels through the user origin: both, X only, Y only. */
KAVLOR_API void cross(void);
KAVLOR_API void xcross(void);
KAVLOR_API void ycross(void);
/* One more label cstr at value v of axis cax (X, XTOP, Y, YLEF), with a minor (itic 1) or major
 * (other non-zero itic) tick. */
KAVLOR_API void addlab(const char *cstr, float v, int itic, const char *cax);

/* ---- Titles ------------------------------------------------------------------ */

/* Title line |n| (1..4), at most 132 characters; a negative n underlines it. */
KAVLOR_API void titlin(const char *cstr, int n);
/* Draws the title over or under the current axis system. */
KAVLOR_API void title(void);
/* Title above (ABOV) or below (BELO) the axis system. */
KAVLOR_API void titpos(const char *copt);
/* Title centred (CENT) or flush left (LEFT) or right (RIGH). */
KAVLOR_API void titjus(const char *copt);
/* Title flush left. */
KAVLOR_API void lfttit(void);
/* Shift of the title towards the axis system in plot units. */
KAVLOR_API void vkytit(int n);
/* Character height of titles, 1..10000. */
KAVLOR_API void htitle(int nh);

/* ---- Curves -------------------------------------------------------------------- */

/* Draws the n points (x, y) as a curve in the current axis system. */
KAVLOR_API void curve(const float *x, const float *y, int n);
/* Curve mode: LINE, STEP, BARS, SPLI, PSPL, STEM, STAI, FBAR. */
KAVLOR_API void polcrv(const char *copt);
/* Thickness of curves: number of strokes, 1..10000. */
KAVLOR_API void thkcrv(int n);
/* Spline degree k (2..10) and number of interpolated points n (5..30000). */
KAVLOR_API void splmod(int k, int n);
/* Bar width: > 0 fraction of the first x interval, <= 0 plot units. */
KAVLOR_API void barwth(float factor);
/* Marker symbol of curves. */
KAVLOR_API void marker(int n);
/* Marker every n-th point; 0 no markers; negative: markers only. */
KAVLOR_API void incmrk(int n);
/* Curves drawn with the same attributes before they change, 1..32000. */
KAVLOR_API void inccrv(int n);
/* Points further apart in x than x are not joined. */
KAVLOR_API void gapcrv(float x);
/* Line style 0..7 of entry index (1..30) of the curve cycle. */
KAVLOR_API void lincyc(int index, int ityp);
/* Shading pattern of entry index (1..30) of the curve cycle. */
KAVLOR_API void patcyc(int index, int ipat);
/* The attributes of the next curve: the next entry of the cycle. */
KAVLOR_API void chnatt(void);
/* Marker 0 and the curve cycle at its first entry. */
KAVLOR_API void resatt(void);
/* Points outside the axis scaling are not reported. */
KAVLOR_API void nochek(void);

/* ---- Getters of axis systems and curves ---------------------------------------- */

/* Lower-left corner of the axis system. */
KAVLOR_API void getpos(int *nx, int *ny);
/* Axis lengths X, Y, Z. */
KAVLOR_API void getlen(int *nx, int *ny, int *nz);
/* Scaling of axis X, Y or Z: start, end, first label, step. */
KAVLOR_API void getgrf(float *a, float *e, float *orig, float *step, const char *cax);
/* 0 linear, 1 logarithmic, per axis. */
KAVLOR_API void getscl(int *ix, int *iy, int *iz);
/* Label kinds of the three axes (NONE, FLOAT, EXP, LOG, ...) into buffers of 8 bytes each. */
KAVLOR_API void getlab(char *cx, char *cy, char *cz);
/* Label decimals per axis. */
KAVLOR_API void getdig(int *ix, int *iy, int *iz);
/* Ticks per label interval per axis. */
KAVLOR_API void gettic(int *ix, int *iy, int *iz);
/* Major and minor tick lengths. */
KAVLOR_API void gettcl(int *nmaj, int *nmin);
/* Distances between axes and labels. */
KAVLOR_API void getsp1(int *ix, int *iy, int *iz);
/* Distances between labels and names. */
KAVLOR_API void getsp2(int *ix, int *iy, int *iz);
/* Height of axis names. */
KAVLOR_API int gethnm(void);
/* Title shift and colour-bar shifts. */
KAVLOR_API void getvk(int *nytit, int *nxbar, int *nybar);
/* Width of colour bars. */
KAVLOR_API int getwid(void);
/* Width and height of the points of colour plots. */
KAVLOR_API void getres(int *nw, int *nh);
/* Marker symbol and its height. */
KAVLOR_API void getsym(int *nsym, int *nh);

/* ---- Plotting at user coordinates ------------------------------------------------ */

/* Line between two user points, clipped to the axis system. */
KAVLOR_API void rline(float x1, float y1, float x2, float y2);
/* Pen move to a user point. */
KAVLOR_API void rlstrt(float x, float y);
/* Line from the pen to a user point. */
KAVLOR_API void rlconn(float x, float y);
/* Arrow between two user points; ivec as in vector. */
KAVLOR_API void rlvec(float x1, float y1, float x2, float y2, int ivec);
/* Marker symbol at a user point (999, 999: after the last one). */
KAVLOR_API void rlsymb(int nsym, float x, float y);
/* Wind symbol of speed xvel at user point (x, y), staff nwsize plot units long at angle degrees. */
KAVLOR_API void rlwind(float xvel, float x, float y, int nwsize, float angle);
/* Text with its upper-left corner at a user point (999, 999: after the last one). */
KAVLOR_API void rlmess(const char *text, float x, float y);
/* Number with ndig decimals at a user point (999, 999: after the last one). */
KAVLOR_API void rlnumb(float value, int ndig, float x, float y);
/* Rectangle with its upper-left corner at (x, y), w by h user units. */
KAVLOR_API void rlrec(float x, float y, float w, float h);
/* Rectangle with corners rounded by option 0..9. */
KAVLOR_API void rlrnd(float x, float y, float w, float h, int option);
/* Circle of radius r (x extent) about a user point. */
KAVLOR_API void rlcirc(float xm, float ym, float r);
/* Ellipse of semi-axes a, b about a user point. */
KAVLOR_API void rlell(float xm, float ym, float a, float b);
/* Elliptical arc from alpha to beta degrees, turned by theta degrees. */
KAVLOR_API void rlarc(float xm, float ym, float a, float b, float alpha, float beta, float theta);
/* Filled pie of radius r from alpha to beta degrees. */
KAVLOR_API void rlpie(float xm, float ym, float r, float alpha, float beta);
/* Ring sector between radii r1 and r2, filled in ncol. */
KAVLOR_API void rlsec(float xm, float ym, float r1, float r2, float alpha, float beta, int ncol);
/* Filled box nw by nh plot units in colour ncol centred on a user point. */
KAVLOR_API void rlpoin(float x, float y, int nw, int nh, int ncol);
/* Polygon of n user points, outlined and filled like areaf. */
KAVLOR_API void rlarea(const float *x, const float *y, int n);

/* ---- 3-D axis systems and views ----------------------------------------------- */
/* Opens the 3-D axis system: begin, end, first label and step of X, Y and Z. */
KAVLOR_API void graf3d(float xa, float xe, float xor_, float xstp, float ya, float ye, float yor,
                       float ystp, float za, float ze, float zor, float zstp);
/* Lengths of the 3-D box in absolute units (default 2, 2, 2). */
KAVLOR_API void axis3d(float x, float y, float z);
/* View point: ABS, USER or ANGL (angle in the xy plane, elevation, distance). */
KAVLOR_API void view3d(float x, float y, float z, const char *copt);
/* Focus point of the view: ABS or USER. */
KAVLOR_API void vfoc3d(float x, float y, float z, const char *copt);
/* Up angle of the view in degrees. */
KAVLOR_API void vup3d(float angle);
/* View angle in degrees, 0 < angle < 180. */
KAVLOR_API void vang3d(float angle);
/* Front and back distance of the view volume; back <= 0: no back plane. */
KAVLOR_API void vclp3d(float front, float back);
/* Axis lengths of the 3-D axis system in plot units. */
KAVLOR_API void ax3len(int nx, int ny, int nz);
/* The box layout keeps the first label of every axis. */
KAVLOR_API void flab3d(void);

/* ---- 3-D coordinates ---------------------------------------------------------- */
/* A point of the absolute box to plot coordinates, at any level. */
KAVLOR_API void abs3pt(float x, float y, float z, float *xp, float *yp);
/* A user point of the 3-D axis system to plot coordinates. */
KAVLOR_API void rel3pt(float x, float y, float z, float *xp, float *yp);
/* A user point of the 3-D axis system to absolute box coordinates. */
KAVLOR_API void pos3pt(float x, float y, float z, float *xp, float *yp, float *zp);
/* Absolute box x of the user value x. */
KAVLOR_API float x3dpos(float x, float y, float z);
/* Absolute box y of the user value y. */
KAVLOR_API float y3dpos(float x, float y, float z);
/* Absolute box z of the user value z. */
KAVLOR_API float z3dpos(float x, float y, float z);
/* Plot x of a point of the absolute box. */
KAVLOR_API float x3dabs(float x, float y, float z);
/* Plot y of a point of the absolute box. */
KAVLOR_API float y3dabs(float x, float y, float z);
/* Plot x of a user point of the 3-D axis system. */
KAVLOR_API float x3drel(float x, float y, float z);
/* Plot y of a user point of the 3-D axis system. */
KAVLOR_API float y3drel(float x, float y, float z);

/* Arrow between two user points of the 3-D axis system; ivec as in vector. */
KAVLOR_API void vectr3(float x1, float y1, float z1, float x2, float y2, float z2, int ivec);

/* ---- 3-D lines and curves ----------------------------------------------------- */

/* Starts a 3-D line at an absolute point of the box. */
KAVLOR_API void strt3d(float x, float y, float z);
/* Continues the 3-D line to an absolute point, clipped as clip3d says. */
KAVLOR_API void conn3d(float x, float y, float z);
/* Clipping of 3-D lines: WORL (at the box) or EYE (at the view volume). */
KAVLOR_API void clip3d(const char *copt);
/* Draws the n user points (x, y, z) as a curve in the 3-D axis system. */
KAVLOR_API void curv3d(const float *x, const float *y, const float *z, int n);

/* ---- 3-D axes, box and planes ------------------------------------------------- */

/* 2-D plots drawn from now on land in the plane of the 3-D box through P1, P2, P3 (absolute). */
KAVLOR_API void grfini(float x1, float y1, float z1, float x2, float y2, float z2, float x3,
                       float y3, float z3);
/* Ends the plane of grfini; the 3-D axis system is current again. */
KAVLOR_API void grffin(void);
/* Grid lines in the faces of the 3-D box; copt "ALL", "BACK" or "BOTT". */
KAVLOR_API void grid3d(int ixgrid, int iygrid, const char *copt);
/* The twelve edges of the 3-D box. */
KAVLOR_API void box3d(void);

/* ---- Lights and materials ----------------------------------------------------- */

/* Lighting of shaded surfaces: OFF, ON. */
KAVLOR_API void light(const char *mode);
/* Switches light n (1..8): OFF, ON. */
KAVLOR_API void litmod(int n, const char *mode);
/* Position of light n: ABS (box), USER (axis values) or ANGL (alpha, beta in degrees, r). */
KAVLOR_API void litpos(int n, float x, float y, float z, const char *mode);
/* Intensity (AMBI, DIFF, SPEC) or attenuation term (CONS, LINE, QUAD) x of light n. */
KAVLOR_API void litopt(int n, float x, const char *copt);
/* Red, green and blue intensities of light n: AMBI, DIFF, SPEC. */
KAVLOR_API void litop3(int n, float r, float g, float b, const char *copt);
/* Reflectance (AMBI, DIFF, SPEC) or specular exponent (EXPO) x of the material. */
KAVLOR_API void matopt(float x, const char *copt);
/* Red, green and blue reflectances of the material: AMBI, DIFF, SPEC. */
KAVLOR_API void matop3(float r, float g, float b, const char *copt);
/* Explicit colour value of the lit point (x, y, z) with unit normal (xn, yn, zn) in box
 * coordinates while lighting is on; otherwise the current colour. */
KAVLOR_API int getlit(float x, float y, float z, float xn, float yn, float zn);

/* ---- Surface options ---------------------------------------------------------- */

/* Visible side of mesh surfaces: BOTH, TOP, BOTT. */
KAVLOR_API void survis(const char *copt);
/* Grid lines of surfce: BOTH, XISO (lines of constant y), YISO (lines of constant x). */
KAVLOR_API void suropt(const char *copt);
/* Mesh of shaded surfaces: OFF, ON, ONLY. */
KAVLOR_API void surmsh(const char *copt);
/* Colours of the top and the bottom side of mesh surfaces (-1: the colour in force). */
KAVLOR_API void surclr(int itop, int ibot);
/* Mesh surfaces are drawn without hidden-line removal. */
KAVLOR_API void nohide(void);
/* Colour of the mesh lines of shaded surfaces (-1: the current colour). */
KAVLOR_API void mshclr(int nclr);
/* Extent xa..xe, ya..ye in user coordinates over which matrix surfaces are spread. */
KAVLOR_API void sursze(float xa, float xe, float ya, float ye);
/* Shading mode copt of the group ctype: SURF (FLAT, SMOO), CONT (CELL, POLY),
 * CURV (RECT, SYMB), CELL (BOTH, UPPE, LOWE, NONE), COLO (LOWE, MIDD, UPPE). */
KAVLOR_API void shdmod(const char *copt, const char *ctype);

/* ---- Mesh surfaces -------------------------------------------------------------- */

/* Mesh of z = f(x, y) on the grid xray[ixdim] x yray[iydim] with hidden lines removed;
 * zmat[i * iydim + j] is the value at (xray[i], yray[j]). Bars in the curve mode BARS. */
KAVLOR_API void surfce(const float *xray, int ixdim, const float *yray, int iydim,
                       const float *zmat);
/* Mesh of the matrix zmat[ixdim * iydim] spread over the axis range or the extent of sursze;
 * ixpts, iypts > 0: lines per grid cell, 0: none of that family, -k: every k-th grid line. */
KAVLOR_API void surmat(const float *zmat, int ixdim, int iydim, int ixpts, int iypts);
/* Mesh of the function zfun: lines of constant x every xdel and of constant y every ydel,
 * sampled ixpts times per xdel and iypts times per ydel. */
KAVLOR_API void surfun(float (*zfun)(float x, float y), int ixpts, float xdel, int iypts,
                       float ydel);

/* ---- Z-buffer ------------------------------------------------------------------ */

/* Opens a z-buffer over the picture (memory raster) and starts image mode:
 * 0 opened, 1 refused or no memory, 2 one is open already. */
KAVLOR_API int zbfini(void);
/* Closes the z-buffer and ends image mode. */
KAVLOR_API void zbffin(void);
/* A triangle of the user points (x[k], y[k], z[k]) with the colour values ic[k] at its
 * corners, interpolated, drawn where it is not behind what the z-buffer holds. */
KAVLOR_API void zbftri(const float *x, const float *y, const float *z, const int *ic);
/* A line between two user points in the current colour through the z-buffer. */
KAVLOR_API void zbflin(float x1, float y1, float z1, float x2, float y2, float z2);

/* ---- Contour lines -------------------------------------------------------------- */

/* Contour lines of level zlev of the grid function zmat (nx * ny values, the value at
 * (xray[i], yray[j]) at i * ny + j) in the current axis system, labelled as labels(..., "CON")
 * says. */
KAVLOR_API void contur(const float *xray, int nx, const float *yray, int ny, const float *zmat,
                       float zlev);
/* The n user points (x, y) drawn as a contour line of level zlev, with labels and a legend entry.
 */
KAVLOR_API void concrv(const float *x, const float *y, int n, float zlev);
/* Label text (at most 20 characters) of contour lines when labels("CONL", "CON") is set. */
KAVLOR_API void conlab(const char *ctext);
/* Layout of contour labels: the gap margin factor (>= 0) and the largest ratio (> 1) of line
 * length to straight distance under a label. */
KAVLOR_API void conmod(float xfac, float xquot);
/* Blank space around contour label texts, a factor (>= 0) of the character height. */
KAVLOR_API void congap(float xfr);
/* Colour of bar, pie or contour labels (copt "BAR", "PIE", "CON"); -1 the current colour. */
KAVLOR_API void labclr(int nclr, const char *copt);

/* ---- Delaunay triangulation -------------------------------------------------- */

/* Delaunay triangulation of the n points (xray, yray): the triangles go to i1ray, i2ray, i3ray as
 * 1-based point numbers (room for nmax >= 2n + 1); the result is their number, 0 after a failure.
 * xray and yray hold n + 3 values: the last three receive the corners of the super triangle. */
KAVLOR_API int triang(float *xray, float *yray, int n, int *i1ray, int *i2ray, int *i3ray,
                      int nmax);

/* ---- Shaded surfaces ------------------------------------------------------------ */

/* Colour-shaded surface of the grid function xmat (xmat[i * ny + j] at (x1ray[i], x2ray[j]))
 * in the 3-D axis system: flat patches or smooth corners as shdmod("...", "SURF") says. */
KAVLOR_API void surshd(const float *x1ray, int nx, const float *x2ray, int ny, const float *xmat);
/* Colour-shaded surface of the ntri triangles (1-based numbers of the n points x1ray, x2ray,
 * x3ray); triangles naming a point outside 1..n are left out. */
KAVLOR_API void surtri(const float *x1ray, const float *x2ray, const float *x3ray, int n,
                       const int *n1ray, const int *n2ray, const int *n3ray, int ntri);
/* Colour-shaded parametric surface: s(u, v, iopt) gives x (iopt 1), y (2) and z (3); u runs
 * from a1 to a2 in steps a3, v from b1 to b2 in steps b3. */
KAVLOR_API void surfcp(float (*s)(float u, float v, int iopt), float a1, float a2, float a3,
                       float b1, float b2, float b3);

/* ---- Colour plots ------------------------------------------------------------- */

/* In the axis system of graf3: one box of setres size (or one symbol, shdmod("SYMB", "CURV"))
 * per point (xray[i], yray[i]) in the colour of zray[i] on the colour bar. */
KAVLOR_API void curve3(const float *xray, const float *yray, const float *zray, int n);
/* The same for the points (xray[i], y). */
KAVLOR_API void curvx3(const float *xray, float y, const float *zray, int n);
/* The same for the points (x, yray[i]). */
KAVLOR_API void curvy3(float x, const float *yray, const float *zray, int n);
/* The matrix zmat (the value at x index i and y index j at i * iydim + j) spread over the axis
 * range or the extent of sursze, each cell covered by ixpts x iypts boxes of interpolated colour.
 */
KAVLOR_API void crvmat(const float *zmat, int ixdim, int iydim, int ixpts, int iypts);
/* The ntri triangles of 1-based point numbers (i1ray, i2ray, i3ray) of the n points, filled in
 * the colour of their mean value, or shaded between their corners with shdmod("SMOO", "SURF"). */
KAVLOR_API void crvtri(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri);

/* ---- Legends -------------------------------------------------------------------- */

/* Starts a legend of nlin entries (1..30) of nmaxln characters each (1..80) in the caller's
 * buffer cbuf, which holds at least nlin * nmaxln characters. */
KAVLOR_API void legini(char *cbuf, int nlin, int nmaxln);
/* Text of entry ilin (1..nlin), blank-padded to the entry length. */
KAVLOR_API void leglin(char *cbuf, const char *cstr, int ilin);
/* Legend title, at most 20 characters; "" draws no title. */
KAVLOR_API void legtit(const char *ctit);
/* Upper-left corner of the legend box in plot units, instead of a corner of legend. */
KAVLOR_API void legpos(int nx, int ny);
/* Pattern length (>= 0) and margin (> 0) in character heights, and the spacing of the text
 * lines of one entry (> 0) in line steps. */
KAVLOR_API void legopt(float xf1, float xf2, float xf3);
/* Entry n (1..30) by hand: line style -1..7 (-1 none), thickness >= 1, marker -1..21 (-1
 * none), colour (-1 the current one) and shading pattern (-1 a line entry). */
KAVLOR_API void legpat(int ilin, int ithk, int isym, int iclr, int ipat, int n);
/* Entry texts in the colours of their entries. */
KAVLOR_API void legclr(void);
/* Entry texts split into lines at the LEG control character. */
KAVLOR_API void mixleg(void);
/* Width and height of the legend box in plot units. */
KAVLOR_API int nxlegn(const char *cbuf);
KAVLOR_API int nylegn(const char *cbuf);
/* Draws the legend at corner ncor: 1..4 lower left, lower right, upper right, upper left of
 * the page, 5..8 the same of the axis system; ignored after legpos. */
KAVLOR_API void legend(const char *cbuf, int ncor);

/* ---- Filled contours and matrix contours --------------------------------------- */

/* The bands between the levels zlev[0..nlev-1] (any order) of the grid function zmat (nx * ny
 * values, the value at (xray[i], yray[j]) at i * ny + j) filled in the colours of the Z axis
 * scale or of conclr, cell by cell or as polygons as shdmod(..., "CONT") says; each band above
 * the lowest level becomes a legend entry. */
KAVLOR_API void conshd(const float *xray, int nx, const float *yray, int ny, const float *zmat,
                       const float *zlev, int nlev);
/* Colours of the filled contour bands: the first n (0..256) colour numbers of ic; 0 switches
 * the list off. */
KAVLOR_API void conclr(const int *ic, int n);
/* Contour lines of level zlev of the matrix zmat (nx * ny values, node (i, j) at i * ny + j)
 * on a grid spread evenly over the axis system, or over the extent set with sursze. */
KAVLOR_API void conmat(const float *zmat, int nx, int ny, float zlev);

/* ---- Bar graphs ------------------------------------------------------------------ */

/* n bars (1..32000) of one group member in the current axis system: bar i at position x[i]
 * from y1[i] to y2[i], vertical or horizontal as bartyp says. The arrays are read only. */
KAVLOR_API void bars(const float *x, const float *y1, const float *y2, int n);
/* Kind of bars: VERT, HORI, 3DVE, 3DHO (3-D look). */
KAVLOR_API void bartyp(const char *copt);
/* Bar positions: NONE, TICK (at the main ticks), AXIS (starting at the axis), BOTH. */
KAVLOR_API void barpos(const char *copt);
/* Width mode copt "WIDT": FIXE (one width from the first two positions) or VARI (per bar). */
KAVLOR_API void barmod(const char *cmode, const char *copt);
/* n bars per group (1..30) side by side; xgap > 0 a fraction of the bar width between them,
 * <= 0 its absolute value in plot units. */
KAVLOR_API void bargrp(int n, float xgap);
/* Colours of the front, side and top faces (-1: the current colour). */
KAVLOR_API void barclr(int ic1, int ic2, int ic3);
/* Colour of the bar borders (-1: none on flat bars, the foreground colour on 3-D bars). */
KAVLOR_API void barbor(int ic);
/* Depth (plot units; negative: the bar width) and angle (degrees) of the 3-D look. */
KAVLOR_API void baropt(float xf, float angle);
/* Change from bar to bar: NONE, COLO (colour cycle), PATT (pattern cycle), BOTH. */
KAVLOR_API void chnbar(const char *copt);
/* Change from pie segment to segment: NONE, COLO, PATT, BOTH. */
KAVLOR_API void chnpie(const char *copt);
/* Change from curve to curve: NONE, COLO, LINE, BOTH. */
KAVLOR_API void chncrv(const char *copt);

/* ---- Contours of triangulations ---------------------------------------------- */

/* The contour line of level zlev of the n points (xray, yray) with the values zray, over the ntri
 * triangles of 1-based point numbers (i1ray, i2ray, i3ray), as triang returns them. With labels,
 * thick or dashed lines the pieces of the triangles are joined into whole lines first. */
KAVLOR_API void contri(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri, float zlev);
/* The bands between the nlev levels zlev of the same data filled in their colours, as conshd
 * fills the cells of a grid; a legend entry for each band above the lowest level. */
KAVLOR_API void confll(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri,
                       const float *zlev, int nlev);

/* ---- 3-D bar graphs -------------------------------------------------------------- */

/* n boxes in the 3-D axis system of graf3d: bar i stands at (x[i], y[i]) from z1[i] to z2[i],
 * xw[i] and yw[i] wide, in colour ic[i] (-1: the current colour). The visible faces are
 * painted back to front and outlined in the colour of barbor. A bar placed outside the x or
 * y limits ends the graph there. */
KAVLOR_API void bars3d(const float *x, const float *y, const float *z1, const float *z2,
                       const float *xw, const float *yw, const int *ic, int n);

/* ---- Iso-surfaces and shaded spheres ------------------------------------------- */

/* The surface on which the function sampled on the grid x1ray[nx] x x2ray[ny] x x3ray[nz]
 * (each strictly monotonic; w(i, j, k) at (i * ny + j) * nz + k) takes the value wlev, in the
 * current colour, inside the box of graf3d; lit when lighting is on. The arrays are read only. */
KAVLOR_API void suriso(const float *x1ray, int nx, const float *x2ray, int ny, const float *x3ray,
                       int nz, const float *wmat, float wlev);
/* A sphere of centre (x1, x2, x3) and radius x4 (user units on every axis) of i1 longitude
 * and i2 latitude steps, in the current colour; smooth shading needs an open z-buffer. */
KAVLOR_API void sphe3d(float x1, float x2, float x3, float x4, int i1, int i2);

/* ---- Error bars, vector fields, histograms, map options ---------------------------- */

/* n points (1..32000) of the current axis system, each drawn as the curve marker with an
 * error bar from x - err1 to x + err2 (bartyp HORI and the 3-D kinds) or from y - err1 to
 * y + err2 (VERT) and a cap at both ends. */
KAVLOR_API void errbar(const float *x, const float *y, const float *err1, const float *err2, int n);
/* n arrows of the form ivec (the arrow code of vector) from (xa[i], ya[i]) to (xb[i], yb[i]). */
KAVLOR_API void field(const float *xa, const float *ya, const float *xb, const float *yb, int n,
                      int ivec);
/* The distinct values of x[0..n-1] in ascending order into xh, how often each occurs into yh
 * and their number into *nh; xh and yh hold n values. Nothing is drawn. */
KAVLOR_API void histog(const float *x, int n, float *xh, float *yh, int *nh);
/* Colour number of the value z on the colour scale of the current axis system (level 3). */
KAVLOR_API int nzposn(float z);
/* Angular radius in degrees (0 < xrad <= 90) of the cap shown by azimuthal maps. */
KAVLOR_API void mapsph(float xrad);
/* Standard parallels of conical maps (degrees, both on one side of the equator); they hold
 * for the next map axis system. */
KAVLOR_API void mapref(float ylower, float yupper);
/* Centre of azimuthal maps: longitude and latitude in degrees. */
KAVLOR_API void mappol(float xpol, float ypol);
/* Map lines: STRA (straight), INTE (interpolated along the projection), GREA (great circles). */
KAVLOR_API void mapmod(const char *copt);
/* Levels of map files drawn: ALL, LAND, LAKE, BOTH (as ALL). */
KAVLOR_API void maplev(const char *copt);
/* A map file cfil (at most 256 characters) of the kind GSHH or MAPG. */
KAVLOR_API void mapfil(const char *cfil, const char *copt);
/* Map base: KAVL (the library's world), GSHL, GSHI, GSHH, GSHF, MAPF (the file of mapfil). */
KAVLOR_API void mapbas(const char *copt);

/* ---- Map axis systems and map projections ---------------------------------------------- */

/* The projection of the next map axis system: CYLI (linear), MERC, EXAC (equidistant), CORR
 * (Miller), UTM (transverse Mercator), OBLI (oblique Mercator), EQUA (equal-area), MOLL, AITO,
 * HAMM, WINK, SANS, ELLI (elliptic meridians), CONF, ALBE, POLY, CONI (conical), GNOM, ORTH,
 * STER, AZIM, LAMB (azimuthal) or MYPR (the caller's, see setcbk). */
KAVLOR_API void projct(const char *cproj);
/* The caller's projection MYPR: proj replaces a point's longitude and latitude by plot units
 * relative to the origin of the map axis system. */
KAVLOR_API void setcbk(void (*proj)(float *x, float *y), const char *copt);
/* A map axis system: longitudes xa..xe with labels from xorg every xstp degrees along X,
 * latitudes ya..ye (yorg, ystp) along Y, through the projection of projct (level 1 to 2). */
KAVLOR_API void grafmp(float xa, float xe, float xorg, float xstp, float ya, float ye, float yorg,
                       float ystp);
/* One more labelled axis of longitudes at page row ny (xaxmap) or of latitudes at page column
 * nx (yaxmap) of the open map; it 0 or 1 is the side of ticks and labels, as for xaxis. */
KAVLOR_API void xaxmap(float xa, float xe, float xorg, float xstp, const char *cstr, int it,
                       int ny);
KAVLOR_API void yaxmap(float ya, float ye, float yorg, float ystp, const char *cstr, int it,
                       int nx);

/* A curve through n map points (longitudes xray, latitudes yray) with the attributes of curve;
 * its segments follow the projection as mapmod asks. */
KAVLOR_API void curvmp(const float *xray, const float *yray, int n);
/* Grid lines of the map: i meridians per X label step, j parallels per Y label step. */
KAVLOR_API void gridmp(int i, int j);

/* The coastlines of the map base of mapbas in the open map axis system. */
KAVLOR_API void world(void);
/* Outlines and fills (in the current pattern) continents of the library's world map: ALL,
 * ANTA, AFRI, EURA, AUST, EURO (as EURA), NORT, SOUT or LAKE. */
KAVLOR_API void shdmap(const char *cmap);
/* Fills the countries of Europe (shdeur), the states of the USA (shdusa) or the countries of
 * Africa (shdafr) numbered inray[i] (0: every one) with pattern ipray[i] and colour icray[i],
 * i = 0..n-1, each with a legend entry. */
KAVLOR_API void shdeur(const int *inray, const int *ipray, const int *icray, int n);
KAVLOR_API void shdusa(const int *inray, const int *ipray, const int *icray, int n);
KAVLOR_API void shdafr(const int *inray, const int *ipray, const int *icray, int n);

/* ---- Quick plots: a whole page in one call ------------------------------------------------
 * Each opens the library when it is closed (on the screen unless metafl chose a device),
 * frames the page, scales the axes from the data, draws, writes the title and closes the
 * library. */

/* A curve through the n points (qplot), or their markers alone (qplsca). */
KAVLOR_API void qplot(const float *x, const float *y, int n);
KAVLOR_API void qplsca(const float *x, const float *y, int n);
/* Bars of the n values (at most 100). */
KAVLOR_API void qplbar(const float *y, int n);
/* A pie of the n values. */
KAVLOR_API void qplpie(const float *x, int n);
/* Contour lines at nlev levels (8 when nlev < 1) of the nx by ny matrix z. */
KAVLOR_API void qplcon(const float *z, int nx, int ny, int nlev);
/* A colour plot (qplclr) or a 3-D surface (qplsur) of the nx by ny matrix z. */
KAVLOR_API void qplclr(const float *z, int nx, int ny);
KAVLOR_API void qplsur(const float *z, int nx, int ny);

/* The contour lines of level zlev over the ntri triangles (vertex numbers i1ray, i2ray, i3ray,
 * counted from 1) of the n points (xray, yray) with values zray, as arrays: the points of all
 * lines one after another into xpts, ypts (room maxpts), the points of each line into nray (room
 * maxray), the number of lines into *nlins. Nothing is drawn. */
KAVLOR_API void tripts(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri, float zlev,
                       float *xpts, float *ypts, int maxpts, int *nray, int maxray, int *nlins);

/* ---- Single axes, stand-alone colour bars and the colour range ---- */
/* A horizontal axis from a to e (labels from orig in steps of step), nl plot units long from
 * (nx, ny) to the right; it 0 puts ticks, labels and name below it, 1 above. The options of
 * the X axis apply. xaxlg: logarithmic, a, e, orig and step are exponents. */
KAVLOR_API void xaxis(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny);
KAVLOR_API void xaxlg(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny);
/* A vertical axis upwards from (nx, ny); it 0 puts ticks, labels and name right of it, 1 left.
 * The options of the Y axis apply. yaxlg: logarithmic. */
KAVLOR_API void yaxis(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny);
KAVLOR_API void yaxlg(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny);
/* A colour bar of the colour range with its axis from (nx, ny): id 0 vertical (upwards), 1
 * horizontal (to the right); it as for yaxis and xaxis. The options of the Z axis apply.
 * zaxlg: logarithmic. */
KAVLOR_API void zaxis(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int id, int nx, int ny);
KAVLOR_API void zaxlg(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int id, int nx, int ny);
/* Move the pen to / draw to the plot coordinates (x, y). */
KAVLOR_API void xmove(float x, float y);
KAVLOR_API void xdraw(float x, float y);
/* The z range zmin..zmax over which shaded surfaces and filled contours scale their colours,
 * in place of their Z axis or their levels; reset("ZSCA") ends it. */
KAVLOR_API void zscale(float zmin, float zmax);

/* ---- Contour points and gridding ----------------------------------------------- */

/* The contour lines of level zlev of the grid function zmat (nx * ny values, the value at
 * (xray[i], yray[j]) at i * ny + j), traced as contur traces them, returned instead of drawn:
 * the points of all lines one after another in xpts, ypts (room for maxpts each), the number
 * of points of each line in nray (room for maxray) and the number of lines in nlins. What does
 * not fit is dropped with a warning. Works at any level. */
KAVLOR_API void conpts(const float *xray, int nx, const float *yray, int ny, const float *zmat,
                       float zlev, float *xpts, float *ypts, int maxpts, int *nray, int maxray,
                       int *nlins);
/* The n scattered points (xray, yray, zray) spread onto the nx * ny nodes of zmat (node (i, j)
 * at i * ny + j) evenly over the axis ranges, or over the extent set with sursze: each node
 * the inverse-distance mean of the points within reach, the value of a point lying on it, or
 * zval when none is in reach. imat and wmat are work arrays of nx * ny entries. */
KAVLOR_API void getmat(const float *xray, const float *yray, const float *zray, int n, float *zmat,
                       int nx, int ny, float zval, int *imat, float *wmat);
/* Reach of a point in getmat, ix grid intervals along x and iy along y (default 2, 2), and the
 * exponent p of its weights 1 / d^p (default 2.0); all three > 0. */
KAVLOR_API void mdfmat(int ix, int iy, float p);

/* ---- Shading between curves ----------------------------------------------------- */

/* Fills the area between the curve of the na points (xa, ya) and the curve of the nb points
 * (xb, yb) of the current axis system with the current shading pattern: one polygon of the
 * first curve's points followed by the second curve's points in reverse order, clipped to the
 * axis system, outlined unless noarln is in force. The area becomes the next legend entry and
 * the pattern moves on to the next entry of the pattern cycle (patcyc). Levels 2 and 3. */
KAVLOR_API void shdcrv(const float *xa, const float *ya, int na, const float *xb, const float *yb,
                       int nb);

/* ---- Polar axis systems ---------------------------------------------------------- */

/* Opens a polar axis system (level 1 to 2): a circle in the axis rectangle in which user x
 * is a radius from 0 to xe (first radius label xorg, label step xstp) and user y an angle in
 * radians; the angle axis round the circle is labelled in degrees from yorg by ystp. Curves
 * drawn in it take the modes LINE, BARS, STEM and FBAR. */
KAVLOR_API void polar(float xe, float xorg, float xstp, float yorg, float ystp);
/* Where angle 0 of polar systems lies ("RIGH", "TOP", "LEFT", "BOTT"; default "RIGH") and
 * which way angles grow ("ANTI", "CLOC"; default "ANTI"). */
KAVLOR_API void polmod(const char *corig, const char *cdir);
/* A polar grid about the origin: igrid circles per radius label interval and jgrid rays over
 * the full circle, in polar systems and in plain systems that contain the user origin. */
KAVLOR_API void grdpol(int igrid, int jgrid);

/* ---- Pie charts ---------------------------------------------------------------- */

/* A pie chart of the n values of xray in an axis system of its own (level 1; the system stays
 * open at level 2). Each segment takes |xray[i]| of the circle; negative values are pulled out.
 * cbuf is the legend buffer of legini: segment i has the nlin lines from (i - 1) * nlin + 1 as
 * its texts (NULL or nlin 0: none). */
KAVLOR_API void piegrf(const char *cbuf, int nlin, const float *xray, int n);
/* A sector of radius nr about the page point (nxm, nym) from alpha to beta degrees, outlined
 * and filled with the current pattern. */
KAVLOR_API void pie(int nxm, int nym, int nr, float alpha, float beta);
/* 2D or 3D pies. */
KAVLOR_API void pietyp(const char *copt);
/* The wall of 3-D pies as a fraction xf > 0 of the radius (default 0.2) and the view angle
 * 0 < ang <= 90 degrees (default 45). */
KAVLOR_API void pieopt(float xf, float ang);
/* A text of at most 20 characters put before (LEFT) or after (RIGH) the numbers of labels. */
KAVLOR_API void pielab(const char *cstr, const char *cpos);
/* The pointers of outside labels: BROK, STRA or NONE, drawn with the arrow code ivec 0..9999. */
KAVLOR_API void pievec(int ivec, const char *cvec);
/* Pulls every segment out by 8 % of the radius. */
KAVLOR_API void pieexp(void);
/* Colours of the first n (0..30) segments (ic1ray) and of their 3-D walls (ic2ray); -1 keeps
 * the default. */
KAVLOR_API void pieclr(const int *ic1ray, const int *ic2ray, int n);
/* Border colour of the segments; -1 none (3-D pies: the foreground colour). */
KAVLOR_API void piebor(int ic);

/* ---- Dialog widgets -------------------------------------------------------------- */

/* Dialog widgets: a dialog opened with wgini, widgets added, run by wgfin. Errors are shown
 * in a message box titled with the routine (standard error in the log mode of message
 * boxes). */

/* Opens a dialog level with its main widget; layout VERT, HORI or FORM. Its id, -1 on error. */
KAVLOR_API int wgini(const char *layout);
/* Shows the innermost dialog and runs it until it ends (OK; Quit ends the process). */
KAVLOR_API void wgfin(void);
/* Shows the open dialog before wgfin (to draw into it). */
KAVLOR_API void reawgt(void);
/* A container of widgets with its own layout inside the parent ip. */
KAVLOR_API int wgbas(int ip, const char *layout);
/* A label. */
KAVLOR_API int wglab(int ip, const char *text);
/* A check box, ticked when ival is not 0. */
KAVLOR_API int wgbut(int ip, const char *text, int ival);
/* A push button. */
KAVLOR_API int wgpbut(int ip, const char *text);
/* A push button that starts the command cmd. */
KAVLOR_API int wgcmd(int ip, const char *text, const char *cmd);
/* A list of the items of an item string; isel (1-based) selected. */
KAVLOR_API int wglis(int ip, const char *items, int isel);
/* A drop-down list of the items; isel selected. */
KAVLOR_API int wgdlis(int ip, const char *items, int isel);
/* A box of radio buttons, one per item, isel selected; the id of its first button. */
KAVLOR_API int wgbox(int ip, const char *items, int isel);
/* A text field holding at most 256 characters. */
KAVLOR_API int wgtxt(int ip, const char *text);
/* A scrolled text of nlin lines showing, that keeps its last nmax lines. */
KAVLOR_API int wgstxt(int ip, int nlin, int nmax);
/* A text field after a label, the field taking nwth percent of the width. */
KAVLOR_API int wgltxt(int ip, const char *label, const char *text, int nwth);
/* A file-name field, with an entry label in the dialog's File menu that opens a file dialog of
 * the mask. */
KAVLOR_API int wgfil(int ip, const char *label, const char *file, const char *mask);
/* A scale from xmin to xmax starting at xstart, its value shown with ndig digits. */
KAVLOR_API int wgscl(int ip, const char *text, float xmin, float xmax, float xstart, int ndig);
/* The OK button. */
KAVLOR_API int wgok(int ip);
/* A draw widget: an area the library's screen output goes into (setxid with
 * its gwgxid and "WIND"); its height is its width times the ratio of swgdrw. */
KAVLOR_API int wgdraw(int ip);
/* The Quit button (ends the process). */
KAVLOR_API int wgquit(int ip);
/* A pop-up menu in the menu bar (ip a main widget) or in a pop-up menu. */
KAVLOR_API int wgpop(int ip, const char *text);
/* A menu entry in the pop-up menu ip. */
KAVLOR_API int wgapp(int ip, const char *text);
/* The callback f(id) of a widget (of every button of a radio box). */
KAVLOR_API void swgcbk(int id, void (*f)(int id));
/* The callback f(id, data) of a widget. */
KAVLOR_API void swgcb(int id, void (*f)(int id, int data), int data);
/* The window (or menu) handle of a widget. */
KAVLOR_API int gwgxid(int id);
/* The state of a widget (key STAT): 0 active, 1 inactive, 2 invisible. */
KAVLOR_API int gwgatt(int id, const char *key);
/* The state 0 or 1 of a check box. */
KAVLOR_API int gwgbut(int id);
/* The selected element (1-based) of a list. */
KAVLOR_API int gwglis(int id);
/* The selected button (1-based) of a radio box. */
KAVLOR_API int gwgbox(int id);
/* The value of a scale. */
KAVLOR_API float gwgscl(int id);
/* The text of a text field into text (257 bytes). */
KAVLOR_API void gwgtxt(int id, char *text);
/* The file name of a file field into file (257 bytes). */
KAVLOR_API void gwgfil(int id, char *file);
/* Presses a push button (ival 1), or sets a check box. */
KAVLOR_API void swgbut(int id, int ival);
/* Gives a widget the keyboard focus. */
KAVLOR_API void swgfoc(int id);
/* Selects element isel of a list. */
KAVLOR_API void swglis(int id, int isel);
/* Selects button isel of a radio box. */
KAVLOR_API void swgbox(int id, int isel);
/* Sets the value of a scale. */
KAVLOR_API void swgscl(int id, float x);
/* Sets the text of a text field, or adds a line to a scrolled text. */
KAVLOR_API void swgtxt(int id, const char *text);
/* Sets the file name of a file field. */
KAVLOR_API void swgfil(int id, const char *file);
/* The state (key STAT: ACTI, INAC, INVI) or the items (key LIST) of a widget. */
KAVLOR_API void swgatt(int id, const char *value, const char *key);
/* The default width of widgets: n characters, or -n percent of the screen. */
KAVLOR_API void swgwth(int n);
/* The spacing between widgets in characters (negative: percent of the screen). */
KAVLOR_API void swgspc(float x, float y);
/* A margin around widgets in pixels: LEFT, TOP, RIGH, BOTT. */
KAVLOR_API void swgmrg(int n, const char *key);
/* The margin index 0..3 (left, top, right, bottom) in pixels. */
KAVLOR_API void swgoff(int n, int index);
/* The position of the next dialog on the screen. */
KAVLOR_API void swgpos(int x, int y);
/* The size of the next dialog (and of FORM widgets). */
KAVLOR_API void swgsiz(int w, int h);
/* Position and size together. */
KAVLOR_API void swgwin(int x, int y, int w, int h);
/* The title of dialogs (at most 132 characters). */
KAVLOR_API void swgtit(const char *title);
/* The text of the Help menu. */
KAVLOR_API void swghlp(const char *text);
/* The separator of item strings (key SEP). */
KAVLOR_API void swgmix(const char *c, const char *key);
/* AUTO, XWIN or ASCI (stored). */
KAVLOR_API void swgmod(const char *key);
/* Hides (NOOK, NOQU, NOHE) or shows (OK, QUIT, HELP) entries of the menu bar. */
KAVLOR_API void swgpop(const char *key);
/* Options: POSI (STAN, CENT), MASK (STAN, USER), DWGF (STAN, TOP), CALL (RETU, CHAN, BOTH),
 * CLOS (QUIT, OK). */
KAVLOR_API void swgopt(const char *value, const char *key);
/* Justification LEFT, CENT or RIGH of labels (LAB) or buttons (BUT). */
KAVLOR_API void swgjus(const char *value, const char *key);
/* Kinds: lists (LIS: AUTO, SCRO, NOSC, VSCR), radio boxes and scales (BOX, SCA: VERT, HORI). */
KAVLOR_API void swgtyp(const char *value, const char *key);
/* Colours of widgets (BACK, FORE, SCRO, LTEX) from r, g, b in 0..1; RESE: the system's again. */
KAVLOR_API void swgclr(float r, float g, float b, const char *key);
/* The font of widgets made next, by name and height; STANDARD: the system font. */
KAVLOR_API void swgfnt(const char *name, int height);
/* The step of scales. */
KAVLOR_API void swgstp(float x);
/* The height of draw widgets as a factor of their width. */
KAVLOR_API void swgdrw(float x);
/* The number of items of an item string. */
KAVLOR_API int itmcnt(const char *items);
/* Item n of an item string: a new heap text the caller frees; NULL for a bad n. */
KAVLOR_API char *itmstr(const char *items, int n);
/* Appends an item to an item string in place (the buffer must hold the result). */
KAVLOR_API void itmcat(char *items, const char *item);
/* Ends the running dialog as its OK does. */
KAVLOR_API void sendok(void);
/* Ends a screen wait as the right mouse button does. */
KAVLOR_API void sendmb(void);
/* Shows the text (separators break lines) in a message box. */
KAVLOR_API void msgbox(const char *text);
/* The same as msgbox. */
KAVLOR_API void dwgmsg(const char *text);
/* A question with Yes (1) and No (0); ival 0 makes No the default. */
KAVLOR_API int dwgbut(const char *text, int ival);
/* The element chosen from a list of the items. */
KAVLOR_API int dwglis(const char *label, const char *items, int isel);
/* The line typed, in a new heap text the caller frees. */
KAVLOR_API char *dwgtxt(const char *label, const char *text);
/* The file chosen in a file dialog of the mask (the given name on Cancel), in a new heap text
 * the caller frees. */
KAVLOR_API char *dwgfil(const char *label, const char *file, const char *mask);

#ifdef __cplusplus
}
#endif

#endif /* KAVLOR_H */

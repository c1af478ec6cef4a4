/* kavlor.h: the public C interface of the Kavlor plotting library, version 9.1.
 * SPDX-License-Identifier: MIT
 *
 * Every routine works on the calling thread's state. A plot is opened with
 * kavini and closed with kavfin; settings that fix the device, the page and the
 * output file come before kavini. Bad arguments never stop a program: the
 * library prints a numbered warning that names the routine and goes on.
 * Texts are ISO-8859-1; keywords are matched on their first four letters,
 * upper-cased.
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
/* Draws what is pending. */
KAVLOR_API void sendbf(void);
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

/* ---- Vector files: PDF, CGM, handing files to drivers ----------------------- */

/* PDF option COMP (compress streams) or BUFF (keep the file in memory) ON or OFF; before kavini. */
KAVLOR_API void pdfmod(const char *value, const char *option);
/* After kavfin: copies the PDF kept in memory into buffer; size 0 only returns its length. */
KAVLOR_API int pdfbuf(char *buffer, int size);
/* Bookmark for the current PDF page at level CHAP, SECT, SUBS, PARA or SUBP. */
KAVLOR_API void pdfmrk(const char *text, const char *level);
/* CGM version and profile: 1 (CALS) or 4 (WebCGM); before kavini. */
KAVLOR_API void cgmver(int version);
/* Name of the next CGM pictures (at most 256 characters). */
KAVLOR_API void cgmpic(const char *name);
/* Background colour of the next CGM pictures, components 0..1. */
KAVLOR_API void cgmbgd(float red, float green, float blue);
/* After kavfin: hands the plot file to the driver for device, or deletes it (device NONE); option KEEP or DELE. */
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
/* Colour mode: NONE, FULL, CONT. */
KAVLOR_API void clrmod(const char *mode);
/* Entry of the curve colour cycle. */
KAVLOR_API void clrcyc(int index, int colour);
/* Exchanges background and foreground colours. */
KAVLOR_API void revscr(void);

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
/* Frees the state of every thread and ends thread mode. */
KAVLOR_API void thrfin(void);
/* Frees the calling thread's state; only when no plot is open. */
KAVLOR_API void delglb(void);

/* ---- Small utilities ------------------------------------------------------- */

/* Upper-cases the letters a..z of text in place. */
KAVLOR_API void upstr(char *text);
/* Length of text without trailing blanks. */
KAVLOR_API int trmlen(const char *text);

#ifdef __cplusplus
}
#endif

#endif /* KAVLOR_H */

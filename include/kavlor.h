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

/* ---- Dates ----------------------------------------------------------------- */

/* Days from the base date to the date, negative before it. */
KAVLOR_API int incdat(int iday, int imon, int iyear);
/* Weekday of the date: 1 Monday ... 7 Sunday; 0 for a bad date. */
KAVLOR_API int nwkday(int iday, int imon, int iyear);

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

#ifdef __cplusplus
}
#endif

#endif /* KAVLOR_H */

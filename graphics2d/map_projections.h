// Map projections: the codes of projct, the range checks of a map, the fit of
// the projection into the axis system (setxyp) and the formulas that turn a
// longitude and latitude in degrees into plot coordinates.
#pragma once

struct GlobalRecord;

// Projection codes as projct stores them; the tens give the family.
namespace projection {
constexpr int kLinear = 0;
constexpr int kMercator = 1;
constexpr int kEquidistant = 2; // EXAC
constexpr int kMiller = 3;      // CORR
constexpr int kTransverse = 4;  // UTM
constexpr int kOblique = 5;     // OBLI
constexpr int kEqualArea = 6;   // EQUA
constexpr int kMollweide = 10;  // MOLL
constexpr int kAitoff = 11;     // AITO
constexpr int kHammer = 12;     // HAMM
constexpr int kWinkel = 13;     // WINK
constexpr int kSinusoidal = 14; // SANS
constexpr int kElliptical = 15; // ELLI
constexpr int kConformal = 20;  // CONF
constexpr int kAlbers = 21;     // ALBE
constexpr int kPolyconic = 22;  // POLY
constexpr int kConic = 23;      // CONI
constexpr int kGnomonic = 30;   // GNOM
constexpr int kOrthographic = 31;
constexpr int kStereographic = 32;
constexpr int kAzimuthal = 33; // AZIM: azimuthal equidistant
constexpr int kLambert = 34;   // LAMB: Lambert azimuthal equal-area
constexpr int kUser = 100;     // MYPR
} // namespace projection

enum class MapFamily { cylindrical, pseudoCylindrical, conical, azimuthal, user };
MapFamily mapFamily(int code);

// The map projection that qqpos2 applies: a map axis system is open (or was
// the last one) and its projection is not the linear one.
bool projectedMap(const GlobalRecord &rec);

// 0 when the ranges suit the projection; else 1 after warning 52 (an empty
// or inverted range) or 2 (limits outside the globe, or not numbers).
int errmap(const GlobalRecord &rec, float xa, float xe, float ya, float ye);

// Stores the linear scaling of the axis system (sxyscl), then fits the
// projection into it: centre, scale, cone constants, outline circle.
void setxyp(GlobalRecord &rec, float xa, float xe, float xorg, float xstp, float ya, float ye,
            float yorg, float ystp);

// Project a point in place; x is the longitude less the central longitude,
// y the latitude, both in degrees. conprj gives the polar angle in x and the
// cone radius in y.
void cylprj(const GlobalRecord &rec, float &x, float &y);
void ellprj(const GlobalRecord &rec, float &x, float &y);
void conprj(const GlobalRecord &rec, float &x, float &y);

// Longitude and latitude (degrees) into the polar angle (x) and the angular
// distance from the map centre (y), radians.
void azipxy(const GlobalRecord &rec, float &x, float &y);
// The radial distance of the azimuthal projection at angular distance gamma.
float aziprj(const GlobalRecord &rec, float gamma);
// The angular radius of the cap an azimuthal map shows: that of mapsph, at
// most 85 degrees on a gnomonic map, which fits that much into its circle.
float visibleCap(const GlobalRecord &rec);
// Clamps the angular distances of a segment's ends to the visible cap: 0 both
// inside, 1 one end set onto the cap's edge, -1 both outside.
int aziclp(const GlobalRecord &rec, float &c1, float &c2);
// The projection of the code's family, in place (the user code does nothing).
void pktprj(const GlobalRecord &rec, float &x, float &y);
// Polar distance in degrees, from the south pole on a southern conical map.
float poldis(const GlobalRecord &rec, float lat);

// The plot position of a map point (longitude, latitude in degrees) in the
// current map axis system: qqpos2's branch for projected maps.
void mapPosition(const GlobalRecord &rec, float x, float y, float &xp, float &yp);
// The plot position of polar angle theta at angular distance gamma on an
// azimuthal map.
void azimuthalPosition(const GlobalRecord &rec, float theta, float gamma, float &xp, float &yp);
// The plot position of a map point on an azimuthal map; a point beyond the
// visible cap is moved onto the cap's edge along its polar angle, and the
// result is false.
bool cappedPosition(const GlobalRecord &rec, float lon, float lat, float &xp, float &yp);

// True when the code's meridians and parallels are straight lines along the
// axes (the cylinders but the turned ones, UTM and OBLI): a grid line is one
// projected segment and a meridian crosses the lower edge where its lowest
// point lies.
bool rectangularGraticule(int code);
// True when the projection tears the line between two map points apart:
// the turned cylinders (UTM, OBLI) wrap the angle about their axis, and a
// step across the wrap jumps to the far side of the map. Such a step is not
// drawn; the line starts anew.
bool mapLineTorn(const GlobalRecord &rec, float lon1, float lat1, float lon2, float lat2);
// The whole turns (-1, 0 or 1) about a turned cylinder's axis that carry the
// second point beside the first: 0 unless the step is torn.
int mapLineTurns(const GlobalRecord &rec, float lon1, float lat1, float lon2, float lat2);
// The plot offset of one whole turn about the turned cylinder's axis.
void mapTurnOffset(const GlobalRecord &rec, float &dx, float &dy);

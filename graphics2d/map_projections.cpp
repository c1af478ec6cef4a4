// Map projections: projct and setcbk choose them, errmap checks a map's
// ranges, setxyp fits the projection into the axis system, and the formulas
// below turn longitudes and latitudes (degrees) into projected units.
// Everything computes in single precision but the cone constants.
#include "graphics2d/map_projections.h"

#include <algorithm>
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

using namespace projection;

namespace {

constexpr float kDeg = 0.017453292f;
constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
// The gnomonic map shows at most 85 degrees about its centre: its radius
// grows without bound towards 90.
constexpr float kGnomonicCap = 85.0f * kDeg;

float clampUnit(float v) {
    return std::clamp(v, -1.0f, 1.0f);
}

// The latitude at which a Mercator ordinate is taken: the poles themselves
// lie at infinity.
float mercatorLatitude(float y) {
    return std::clamp(y, -89.99f, 89.99f);
}

float mercator(float latitudeDegrees) {
    return std::log(std::tan((mercatorLatitude(latitudeDegrees) / 2.0f + 45.0f) * kDeg));
}

float centralLongitude(const GlobalRecord &rec) {
    return (rec.axsys.xgrfx[0] + rec.axsys.xgrfx[1]) / 2.0f;
}

constexpr float kTurn = 2.0f * kPi;

// The transverse Mercator (UTM) turns the globe so that the central meridian
// becomes the equator: the angle along that great circle, from the equator
// northwards over the pole.
float transverseLongitude(float lambda, float phi) {
    return std::atan2(std::sin(phi), std::cos(phi) * std::cos(lambda));
}

// Transverse Mercator about the central meridian (UTM): the cylinder touches
// the central meridian instead of the equator.
void transverseMercator(float lambda, float phi, float &x, float &y) {
    const float b = std::clamp(std::cos(phi) * std::sin(lambda), -0.99999f, 0.99999f);
    x = 0.5f * std::log((1.0f + b) / (1.0f - b));
    y = transverseLongitude(lambda, phi);
}

// The oblique Mercator (OBLI) turns the globe about the east axis until the
// map's middle latitude lies on the equator: the point's longitude and
// latitude there, radians. The turned longitude runs on with the given one
// by whole turns, so that a coast beyond 180 degrees (Fiji, Chukotka) stays
// beside the rest of it instead of jumping to the far side of the map.
void obliqueTurn(const GlobalRecord &rec, float lambda, float phi, float &lon, float &lat) {
    const float phi0 = (rec.axsys.xgrfy[0] + rec.axsys.xgrfy[1]) / 2.0f * kDeg;
    const float px = std::cos(phi) * std::cos(lambda);
    const float py = std::cos(phi) * std::sin(lambda);
    const float pz = std::sin(phi);
    const float qx = px * std::cos(phi0) + pz * std::sin(phi0);
    const float qz = pz * std::cos(phi0) - px * std::sin(phi0);
    lon = std::atan2(py, qx);
    lon += kTurn * std::round((lambda - lon) / kTurn);
    lat = std::asin(clampUnit(qz));
}

// Oblique Mercator (OBLI) whose central line runs east through the middle of
// the map: Mercator on the turned globe.
void obliqueMercator(const GlobalRecord &rec, float lambda, float phi, float &x, float &y) {
    float lat = 0;
    obliqueTurn(rec, lambda, phi, x, lat);
    y = mercator(lat / kDeg);
}

// Mollweide: the auxiliary angle t of 2t + sin 2t = pi sin(phi), by Newton.
void mollweide(float lambda, float phi, float &x, float &y) {
    const float target = kPi * std::sin(phi);
    float t = phi;
    for (int i = 0; i < 30; ++i) {
        const float f = 2.0f * t + std::sin(2.0f * t) - target;
        const float d = 2.0f + 2.0f * std::cos(2.0f * t);
        if (std::fabs(d) < 1.0e-6f) break; // at the poles t is phi itself
        const float step = f / d;
        t -= step;
        if (std::fabs(step) < 1.0e-7f) break;
    }
    constexpr float kSqrt2 = 1.4142135f;
    x = 2.0f * kSqrt2 / kPi * lambda * std::cos(t);
    y = kSqrt2 * std::sin(t);
}

// The cone constants of the parallels' polar distances p1, p2 (radians).
void deriveConeConstants(MapState &m) {
    const double p1 = m.xmapref[0], p2 = m.xmapref[1];
    double *c = m.dmapcon;
    if (p1 == p2) {
        m.imapref = 1;
        c[0] = std::cos(p1);
        c[3] = std::tan(p1);
        c[6] = p1;
        c[1] = std::pow(std::cos(p1 / 2), 2);
        c[4] = 2.0 / std::cos(p1 / 2);
        c[5] = std::tan(p1) / std::pow(std::tan(p1 / 2), std::cos(p1));
        c[2] = std::cos(p1);
        return;
    }
    m.imapref = 2;
    const double pm = (p1 + p2) / 2, h = (p2 - p1) / 2;
    c[6] = pm;
    c[0] = std::cos(pm) * std::sin(h) / h;
    c[3] = std::tan(pm) * h / std::tan(h);
    const double n = (std::cos(p1) + std::cos(p2)) / 2;
    c[1] = n;
    // Albers' equal-area cone: rho^2 = 4 sin^2(chi/2) / n + K.
    c[4] = 4.0 * std::pow(std::sin(p1 / 2) * std::sin(p2 / 2), 2) / (n * n);
    const double mf = (std::log10(std::sin(p2)) - std::log10(std::sin(p1))) /
                      (std::log10(std::tan(p2 / 2)) - std::log10(std::tan(p1 / 2)));
    c[2] = mf;
    c[5] = std::sin(p2) / (mf * std::pow(std::tan(p2 / 2), mf));
}

// The polyconic projection with the central meridian and the equator as
// references, given as angle and radius about the pole so that the conical
// machinery places it: u = sin(theta) rho, v = -cos(theta) rho.
void polyconic(float lambda, float chi, float &theta, float &rho) {
    const float phi = kHalfPi - chi;
    float x = lambda, y = -kHalfPi;
    if (std::fabs(phi) > 1.0e-6f) {
        const float e = lambda * std::sin(phi);
        const float cot = std::cos(phi) / std::sin(phi);
        x = cot * std::sin(e);
        y = phi + cot * (1.0f - std::cos(e)) - kHalfPi;
    }
    theta = std::atan2(x, -y);
    rho = std::sqrt(x * x + y * y);
}

// A value inside [lo, hi], NaN refused.
bool within(float v, float lo, float hi) {
    return v >= lo && v <= hi;
}

} // namespace

MapFamily mapFamily(int code) {
    if (code >= kUser) return MapFamily::user;
    if (code >= 30) return MapFamily::azimuthal;
    if (code >= 20) return MapFamily::conical;
    if (code >= 10) return MapFamily::pseudoCylindrical;
    return MapFamily::cylindrical;
}

bool projectedMap(const GlobalRecord &rec) {
    return rec.axsys.igrftyp == 2 && rec.map.iprojct != kLinear;
}

float poldis(const GlobalRecord &rec, float lat) {
    return rec.map.imapsou == 1 ? lat + 90.0f : 90.0f - lat;
}

int errmap(const GlobalRecord &rec, float xa, float xe, float ya, float ye) {
    if (!std::isfinite(xa) || !std::isfinite(xe) || !std::isfinite(ya) || !std::isfinite(ye)) {
        warnin(Warning::incorrectParameter);
        return 1;
    }
    // An empty or inverted range is reported as warning 52, as maps always
    // have (its text speaks of hidden lines).
    if (xa >= xe || ya >= ye) {
        warnin(Warning::hiddenLineOverflow);
        return 1;
    }
    const int code = rec.map.iprojct;
    bool good = true;
    const auto lon = [&](float limit) {
        good = good && within(xa, -limit, limit) && within(xe, -limit, limit);
    };
    const auto lat = [&](float limit) {
        good = good && within(ya, -limit, limit) && within(ye, -limit, limit);
    };
    switch (mapFamily(code)) {
    case MapFamily::cylindrical:
        lon(540.1f);
        lat(code == kLinear ? 180.1f : (code == kMercator ? 85.1f : 90.1f));
        break;
    case MapFamily::pseudoCylindrical:
        lon(180.1f);
        lat(90.1f);
        break;
    case MapFamily::conical:
        lat(90.1f);
        good = good && !(ya < -0.1f && ye > 0.1f);
        lon(180.1f);
        break;
    default:
        // A latitude range beyond 90 degrees is a hemisphere: its limits are
        // the cap's, not the ranges'.
        if (ye - ya <= 90.0f) {
            lat(180.1f);
            good = good && within((ya + ye) / 2.0f, -90.1f, 90.1f);
            lon(180.1f);
            good = good && xe - xa <= 180.1f;
        }
        break;
    }
    if (!good) {
        warnin(Warning::incorrectParameter);
        return 1;
    }
    return 0;
}

void cylprj(const GlobalRecord &rec, float &x, float &y) {
    const float lambda = x * kDeg, phi = y * kDeg;
    x = lambda;
    switch (rec.map.iprojct) {
    case kLinear: y = phi; break;
    case kMercator: y = mercator(y); break;
    case kEquidistant: y = phi; break;
    case kMiller: y = 1.25f * std::log(std::tan(kPi / 4.0f + 0.4f * phi)); break;
    case kTransverse: transverseMercator(lambda, phi, x, y); break;
    case kOblique: obliqueMercator(rec, lambda, phi, x, y); break;
    case kEqualArea: y = std::sin(phi); break;
    default: break;
    }
}

void ellprj(const GlobalRecord &rec, float &x, float &y) {
    const int code = rec.map.iprojct;
    const float lambda = x * kDeg, phi = y * kDeg;
    switch (code) {
    case kAitoff:
    case kHammer:
    case kWinkel: {
        const float delta = std::acos(clampUnit(std::cos(phi) * std::cos(lambda / 2.0f)));
        float alpha = 0.0f;
        if (delta != 0.0f) alpha = std::acos(clampUnit(std::sin(phi) / std::sin(delta)));
        if (x < 0.0f) alpha = -alpha;
        if (code == kAitoff) {
            y = delta * std::cos(alpha);
            x = 2.0f * delta * std::sin(alpha);
        } else if (code == kHammer) {
            const float h = std::sin(delta / 2.0f);
            y = 2.0f * h * std::cos(alpha);
            x = 4.0f * h * std::sin(alpha);
        } else {
            y = (delta * std::cos(alpha) + phi) / 2.0f;
            x = (2.0f * delta * std::sin(alpha) + lambda * 0.7660444f) / 2.0f;
        }
        break;
    }
    case kSinusoidal:
        y = phi;
        x = lambda * std::cos(phi);
        break;
    case kMollweide: mollweide(lambda, phi, x, y); break;
    case kElliptical:
        // Apian's second projection: meridians are ellipses through the poles.
        x = lambda * std::sqrt(std::max(0.0f, 1.0f - (2.0f * phi / kPi) * (2.0f * phi / kPi)));
        y = phi;
        break;
    default: break;
    }
}

void conprj(const GlobalRecord &rec, float &x, float &y) {
    const MapState &m = rec.map;
    const double *c = m.dmapcon;
    const bool two = m.imapref == 2;
    const float theta = x * kDeg;
    float chi = poldis(rec, y) * kDeg;
    switch (m.iprojct) {
    case kConformal: {
        const float n = float(c[2]);
        chi = std::min(chi, 179.99f * kDeg);
        x = theta * n;
        y = float(c[5]) * std::pow(std::tan(chi / 2.0f), n);
        break;
    }
    case kAlbers: {
        const float n = float(c[1]);
        x = theta * n;
        const float s = std::sin(chi / 2.0f);
        y = two ? std::sqrt(4.0f * s * s / n + float(c[4])) : s * float(c[4]);
        break;
    }
    case kConic:
        x = theta * float(c[0]);
        y = chi + float(c[3]) - float(c[6]);
        break;
    case kPolyconic: polyconic(theta, chi, x, y); break;
    default: break;
    }
}

void azipxy(const GlobalRecord &rec, float &x, float &y) {
    const float lon0 = rec.map.xmappol[0], lat0 = rec.map.xmappol[1];
    if (lat0 == 90.0f) {
        y = (90.0f - y) * kDeg;
        x = (x - 90.0f - lon0) * kDeg;
        return;
    }
    if (lat0 == -90.0f) {
        y = (y + 90.0f) * kDeg;
        x = -(x - 90.0f - lon0) * kDeg;
        return;
    }
    // The distance and the azimuth from atan2: acos loses half the digits of
    // a float next to the centre and along the central meridian.
    const float sinLat = std::sin(y * kDeg), cosLat = std::cos(y * kDeg);
    const float sin0 = std::sin(lat0 * kDeg), cos0 = std::cos(lat0 * kDeg);
    const float d = (x - lon0) * kDeg;
    const float east = cosLat * std::sin(d);
    const float north = cos0 * sinLat - sin0 * cosLat * std::cos(d);
    const float gamma = std::atan2(std::sqrt(east * east + north * north),
                                   sin0 * sinLat + cos0 * cosLat * std::cos(d));
    if (gamma == 0.0f) {
        x = (x - 90.0f) * kDeg;
        y = 0.0f;
        return;
    }
    // Angles count anticlockwise from east; azimuths clockwise from north.
    x = kHalfPi - std::atan2(east, north);
    y = gamma;
}

float aziprj(const GlobalRecord &rec, float gamma) {
    switch (rec.map.iprojct) {
    case kGnomonic: return std::tan(gamma);
    case kOrthographic: return gamma <= kHalfPi ? std::sin(gamma) : 2.0f - std::sin(gamma);
    case kStereographic: return 2.0f * std::tan(gamma / 2.0f);
    case kAzimuthal: return gamma;
    case kLambert: return 2.0f * std::sin(gamma / 2.0f);
    default: return 0.0f;
    }
}

float visibleCap(const GlobalRecord &rec) {
    const float cap = rec.map.xmapsph;
    return rec.map.iprojct == kGnomonic ? std::min(cap, kGnomonicCap) : cap;
}

bool cappedPosition(const GlobalRecord &rec, float lon, float lat, float &xp, float &yp) {
    float theta = lon, gamma = lat;
    azipxy(rec, theta, gamma);
    const float cap = visibleCap(rec);
    const bool inside = gamma <= cap;
    azimuthalPosition(rec, theta, inside ? gamma : cap, xp, yp);
    return inside;
}

int aziclp(const GlobalRecord &rec, float &c1, float &c2) {
    const float cap = visibleCap(rec);
    const bool in1 = c1 <= cap, in2 = c2 <= cap;
    if (in1 && in2) return 0;
    if (!in1 && !in2) return -1;
    (in1 ? c2 : c1) = cap;
    return 1;
}

void pktprj(const GlobalRecord &rec, float &x, float &y) {
    switch (mapFamily(rec.map.iprojct)) {
    case MapFamily::cylindrical: cylprj(rec, x, y); break;
    case MapFamily::pseudoCylindrical: ellprj(rec, x, y); break;
    case MapFamily::conical: conprj(rec, x, y); break;
    case MapFamily::azimuthal:
        azipxy(rec, x, y);
        y = aziprj(rec, y);
        break;
    case MapFamily::user: break;
    }
}

bool rectangularGraticule(int code) {
    return code < 10 && code != kTransverse && code != kOblique;
}

int mapLineTurns(const GlobalRecord &rec, float lon1, float lat1, float lon2, float lat2) {
    const int code = rec.map.iprojct;
    if (!projectedMap(rec) || (code != kTransverse && code != kOblique)) return 0;
    const float xm = centralLongitude(rec);
    const auto turned = [&](float lon, float lat) {
        const float lambda = (lon - xm) * kDeg, phi = lat * kDeg;
        if (code == kTransverse) return transverseLongitude(lambda, phi);
        float l = 0, p = 0;
        obliqueTurn(rec, lambda, phi, l, p);
        return l;
    };
    const float jump = turned(lon1, lat1) - turned(lon2, lat2);
    return jump > kPi ? 1 : (jump < -kPi ? -1 : 0);
}

bool mapLineTorn(const GlobalRecord &rec, float lon1, float lat1, float lon2, float lat2) {
    return mapLineTurns(rec, lon1, lat1, lon2, lat2) != 0;
}

void mapTurnOffset(const GlobalRecord &rec, float &dx, float &dy) {
    const float turn = rec.axsys.xsclxy[1] * kTurn;
    dx = rec.map.iprojct == kOblique ? turn : 0.0f;
    dy = rec.map.iprojct == kTransverse ? -turn : 0.0f;
}

void azimuthalPosition(const GlobalRecord &rec, float theta, float gamma, float &xp, float &yp) {
    const AxisSystemState &s = rec.axsys;
    const float r = s.xsclxy[1] * aziprj(rec, gamma);
    xp = clampPlot(s.xaxsorg[0] + std::cos(theta) * r);
    yp = clampPlot(s.xaxsorg[1] - std::sin(theta) * r);
}

void mapPosition(const GlobalRecord &rec, float x, float y, float &xp, float &yp) {
    const AxisSystemState &s = rec.axsys;
    const MapState &m = rec.map;
    const float scale = s.xsclxy[1];
    switch (mapFamily(m.iprojct)) {
    case MapFamily::cylindrical:
    case MapFamily::pseudoCylindrical:
        x -= centralLongitude(rec);
        pktprj(rec, x, y);
        break;
    case MapFamily::conical: {
        x -= centralLongitude(rec);
        if (x < -180.0f)
            x += 360.0f;
        else if (x > 180.0f)
            x -= 360.0f;
        conprj(rec, x, y);
        const float u = std::sin(x) * y;
        float v = m.xmaprho - std::cos(x) * y;
        if (m.imapsou == 1) v = -v;
        x = u;
        y = v;
        break;
    }
    case MapFamily::azimuthal:
        azipxy(rec, x, y);
        azimuthalPosition(rec, x, y, xp, yp);
        return;
    case MapFamily::user:
        if (m.userProjection != nullptr) m.userProjection(&x, &y);
        xp = clampPlot(s.xaxsorg[0] + x);
        yp = clampPlot(s.xaxsorg[1] - y);
        return;
    }
    xp = clampPlot(s.xaxsorg[0] + scale * x);
    yp = clampPlot(s.xaxsorg[1] - scale * y);
}

void setxyp(GlobalRecord &rec, float xa, float xe, float xorg, float xstp, float ya, float ye,
            float yorg, float ystp) {
    sxyscl(rec, xa, xe, xorg, xstp, ya, ye, yorg, ystp);
    AxisSystemState &s = rec.axsys;
    MapState &m = rec.map;
    m.imapfrm = 0;
    rec.clip.imapcirc = 0;
    const int code = m.iprojct;
    const MapFamily family = mapFamily(code);
    if (code == kLinear || family == MapFamily::user) return;
    if (family == MapFamily::pseudoCylindrical) m.imapfrm = 1;

    const float lx = float(s.naxslen[0]), ly = float(s.naxslen[1]);
    s.xaxsorg[0] += lx / 2.0f;
    if (code >= 10) s.xaxsorg[1] -= ly / 2.0f;

    if (family == MapFamily::azimuthal && ye - ya > 90.0f) {
        const float l = std::min(lx, ly);
        m.xmapcrc[0] = float(rec.page.nxorg) + s.xaxsorg[0];
        m.xmapcrc[1] = float(rec.page.nyorg) + s.xaxsorg[1];
        m.xmapcrc[2] = l / 2.0f + float(s.igrace);
        m.imapfrm = 1;
        rec.clip.imapcirc = 1;
        const float cap = m.xmapsph;
        float d = 0.0f;
        switch (code) {
        case kGnomonic: d = 2.0f * std::tan(std::min(cap, kGnomonicCap)); break;
        case kOrthographic: d = 2.0f * std::sin(cap); break;
        case kStereographic: d = 4.0f * std::tan(cap / 2.0f); break;
        // The cap's diameter, as for the others (half of it would put only the
        // inner half of the cap inside the map's circle).
        case kAzimuthal: d = 2.0f * cap; break;
        default: d = 4.0f * std::sin(cap / 2.0f); break;
        }
        s.xsclxy[0] = s.xsclxy[1] = (l - 1.0f) / d;
        return;
    }
    if (family == MapFamily::azimuthal) {
        m.xmappol[0] = (xa + xe) / 2.0f;
        m.xmappol[1] = (ya + ye) / 2.0f;
    }
    if (family == MapFamily::conical) {
        if (m.imapref != -1) {
            m.xmapref[0] = ya + (ye - ya) / 4.0f;
            m.xmapref[1] = ya + 3.0f * (ye - ya) / 4.0f;
        }
        m.imapref = 0;
        m.imapsou = (ya + ye) / 2.0f < 0.0f ? 1 : 0;
        m.xmapref[0] = poldis(rec, m.xmapref[0]) * kDeg;
        m.xmapref[1] = poldis(rec, m.xmapref[1]) * kDeg;
        deriveConeConstants(m);
    }

    // The vertical extent of the central meridian fills the Y axis. The
    // formulas below 30 take longitudes from the central one; azimuthal maps
    // are centred on it.
    const float xm = family == MapFamily::azimuthal ? (xa + xe) / 2.0f : 0.0f;
    float x1 = xm, y1 = ya, x2 = xm, y2 = ye;
    pktprj(rec, x1, y1);
    pktprj(rec, x2, y2);
    float extent = y2 - y1;
    if (family == MapFamily::conical) extent = std::fabs(y2 - y1);
    if (family == MapFamily::azimuthal) extent = std::fabs(y1) + std::fabs(y2);
    const float scale = (ly - 1.0f) / extent;
    s.xsclxy[0] = s.xsclxy[1] = scale;
    if (family == MapFamily::conical) m.xmaprho = (y1 + y2) / 2.0f;
    if (family == MapFamily::cylindrical) s.xaxsorg[1] += scale * y1;
}

extern "C" void projct(const char *cproj) {
    GlobalRecord *rec = jqqlev(1, 1, "projct");
    if (rec == nullptr) return;
    static constexpr int kCodes[] = {
        kLinear,       kMercator,      kEquidistant, kMiller,    kTransverse, kOblique,
        kEqualArea,    kMollweide,     kAitoff,      kHammer,    kWinkel,     kSinusoidal,
        kElliptical,   kConformal,     kAlbers,      kPolyconic, kConic,      kGnomonic,
        kOrthographic, kStereographic, kAzimuthal,   kLambert,   kUser};
    const int i = jqqind("CYLI+MERC+EXAC+CORR+UTM +OBLI+EQUA+MOLL+AITO+HAMM+WINK+SANS+ELLI+CONF+"
                         "ALBE+POLY+CONI+GNOM+ORTH+STER+AZIM+LAMB+MYPR",
                         23, cproj);
    if (i != 0) rec->map.iprojct = kCodes[i - 1];
}

extern "C" void setcbk(void (*proj)(float *x, float *y), const char *copt) {
    GlobalRecord *rec = jqqlev(0, 3, "setcbk");
    if (rec == nullptr) return;
    if (jqqind("MYPR", 1, copt) != 0) rec->map.userProjection = proj;
}

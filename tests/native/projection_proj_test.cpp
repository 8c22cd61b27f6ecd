// The transverse Mercator written here against PROJ, a test-only peer: UTM north
// and south and transverse Mercator settings from the projection package's
// parameters, on several ellipsoids, over points up to 4 degrees from the central
// meridian and from 60 S to 70 N. Within a millimetre and 1e-8 degrees both ways.
#include <gtest/gtest.h>

#include <proj.h>

#include <cmath>
#include <string>
#include <vector>

#include "geo/map_projection.h"

namespace qm {
namespace {

// A PROJ projection from a definition, working in degrees and metres.
class ProjProjection {
  public:
    explicit ProjProjection(const std::string& definition)
        : context_(proj_context_create()), projection_(proj_create(context_, definition.c_str())) {}
    ~ProjProjection() {
        if (projection_)
            proj_destroy(projection_);
        proj_context_destroy(context_);
    }
    ProjProjection(const ProjProjection&) = delete;
    ProjProjection& operator=(const ProjProjection&) = delete;

    bool valid() const { return projection_ != nullptr; }
    geo::MapPoint forward(const geo::GeoPoint& point) const {
        const PJ_COORD in =
            proj_coord(proj_torad(point.longitude), proj_torad(point.latitude), 0, 0);
        const PJ_COORD out = proj_trans(projection_, PJ_FWD, in);
        return {out.enu.e, out.enu.n};
    }
    geo::GeoPoint inverse(const geo::MapPoint& point) const {
        const PJ_COORD in = proj_coord(point.easting, point.northing, 0, 0);
        const PJ_COORD out = proj_trans(projection_, PJ_INV, in);
        return {proj_todeg(out.lp.lam), proj_todeg(out.lp.phi)};
    }

  private:
    PJ_CONTEXT* context_;
    PJ* projection_;
};

struct ProjectionCase {
    const char* name;
    geo::MapProjectionSpec ours;
    std::string proj;
};

std::vector<double> tmParameters(double scale, double meridianDms, double originDms, double easting,
                                 double northing) {
    return {0, 0, scale, 0, meridianDms, originDms, easting, northing, 0, 0, 0, 0, 0, 0, 0};
}

std::vector<ProjectionCase> cases() {
    return {
        {"UTM 54 N, WGS84", geo::describeProjection("UTM", 54, "WGS84", "WGS84", {}),
         "+proj=utm +zone=54 +ellps=WGS84"},
        {"UTM 33 S, GRS80", geo::describeProjection("UTM", -33, "GRS80", "", {}),
         "+proj=utm +zone=33 +south +ellps=GRS80"},
        {"TM Bessel, 135 E, 36 N",
         geo::describeProjection("TM", std::nullopt, "BESSEL", "",
                                 tmParameters(0.9999, 135000000.0, 36000000.0, 100000, 200000)),
         "+proj=tmerc +ellps=bessel +k=0.9999 +lon_0=135 +lat_0=36 +x_0=100000 +y_0=200000"},
        {"TM International 1924, 3 W 30', 20 S 30'",
         geo::describeProjection("TRANSVERSE MERCATOR", std::nullopt, "INTERNATIONAL 1924", "",
                                 tmParameters(1.0, -3030000.0, -20030000.0, 0, 0)),
         "+proj=tmerc +ellps=intl +k=1 +lon_0=-3.5 +lat_0=-20.5 +x_0=0 +y_0=0"},
        {"TM Clarke 1866 by its axes in the parameters",
         geo::describeProjection(
             "TM", std::nullopt, "", "",
             {6378206.4, 6356583.8, 0.9996, 0, -117000000.0, 0, 500000, 0, 0, 0, 0, 0, 0, 0, 0}),
         "+proj=tmerc +ellps=clrk66 +k=0.9996 +lon_0=-117 +lat_0=0 +x_0=500000 +y_0=0"},
    };
}

TEST(ProjectionAgainstProj, BothWaysWithinAMillimetreAndAHundredMillionthOfADegree) {
    for (const ProjectionCase& c : cases()) {
        SCOPED_TRACE(c.name);
        const ProjProjection proj(c.proj);
        ASSERT_TRUE(proj.valid());
        const std::optional<geo::TransverseMercator> ours = c.ours.projection();
        ASSERT_TRUE(ours);
        const double meridian = ours->settings().centralMeridian;
        double worstMetres = 0.0;
        double worstDegrees = 0.0;
        for (double latitude = -60.0; latitude <= 70.0; latitude += 2.5) {
            for (double offset = -4.0; offset <= 4.0; offset += 0.5) {
                const geo::GeoPoint point{meridian + offset, latitude};
                const geo::MapPoint expected = proj.forward(point);
                const geo::MapPoint mapped = ours->forward(point);
                worstMetres =
                    std::max(worstMetres, std::hypot(mapped.easting - expected.easting,
                                                     mapped.northing - expected.northing));
                const geo::GeoPoint back = ours->inverse(expected);
                const geo::GeoPoint projBack = proj.inverse(expected);
                worstDegrees = std::max({worstDegrees, std::abs(back.latitude - projBack.latitude),
                                         std::abs(back.longitude - projBack.longitude)});
            }
        }
        EXPECT_LT(worstMetres, 0.001);
        EXPECT_LT(worstDegrees, 1e-8);
    }
}

}  // namespace
}  // namespace qm

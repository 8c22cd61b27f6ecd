// A map projection as a scene's header describes it: its name, zone, ellipsoid,
// datum and the projection package's fifteen parameters; the transverse Mercator
// settings when it is one computed here (UTM, or TM with its parameters); and its
// well-known text for GIS programs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geo/ellipsoid.h"
#include "geo/transverse_mercator.h"

namespace qm::geo {

struct MapProjectionSpec {
    std::string name;         // as written: "UTM", "TM", "LCC", "PS", "SOM", ...
    std::optional<int> zone;  // UTM, 1 to 60
    bool south = false;
    std::string ellipsoidName;  // as written
    std::optional<Ellipsoid> ellipsoid;
    std::string datum;               // as written
    std::vector<double> parameters;  // the projection package's fifteen, when written
    // Set when this is a transverse Mercator that can be computed: map positions
    // turn into latitude and longitude and back.
    std::optional<TransverseMercatorSettings> transverseMercator;

    // Whether map positions can be computed in this projection here.
    bool computed() const { return transverseMercator && ellipsoid; }
    std::optional<TransverseMercator> projection() const;
};

// The projection a header describes: `name` its MAP PROJECTION, `zone` its USGS MAP
// ZONE (negative for south of the equator), `ellipsoidName` its ELLIPSOID (a known
// name wins over the semi-axes in the parameters), the parameters in the package's
// order (semi-major axis, semi-minor axis, scale factor, -, central meridian and
// latitude of origin as DDDMMMSSS.SS angles, false easting, false northing, ...).
MapProjectionSpec describeProjection(std::string_view name, std::optional<int> zone,
                                     std::string_view ellipsoidName, std::string_view datum,
                                     const std::vector<double>& parameters);

// The projection as OGC well-known text (version 1, as GIS programs read it); empty
// for one not computed here.
std::string projectionWkt(const MapProjectionSpec& spec);

}  // namespace qm::geo

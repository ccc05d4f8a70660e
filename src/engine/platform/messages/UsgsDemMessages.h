#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kDemHeaderTitle{0, "DEM Data from File %s"};
inline constexpr MessageText kDemFileName{974, "File name:\t%s"};
inline constexpr MessageText kDemFreeText{1048, "Free format text:\t%s"};
inline constexpr MessageText kDemSeLongitude{1017, "SE geographic corner longitude:\t%d°%02d'%02d\".%04d"};
inline constexpr MessageText kDemSeLatitude{1020, "SE geographic corner latitude:\t%d°%02d'%02d\".%04d"};
inline constexpr MessageText kDemProcessCode{1030, "Process code:\t%s"};
inline constexpr MessageText kDemSectionalIndicator{1031, "Sectional indicator:\t%s"};
inline constexpr MessageText kDemOriginCode{1032, "Origin code:\t%s"};
inline constexpr MessageText kDemLevelCode{867, "DEM level code:\t%d"};
inline constexpr MessageText kDemPatternCode{971, "Pattern code:\t%d"};
inline constexpr MessageText kDemPlanimetricSystem{972, "Planimetric reference system code:\t%d"};
inline constexpr MessageText kDemZoneCode{1003, "Zone code:\t%d"};
inline constexpr MessageText kDemProjectionParameter{961, "Map projection parameter[%d]:\t%0.2f"};
inline constexpr MessageText kDemGroundUnits{998, "Units code for ground planimetric coordinates:\t%d"};
inline constexpr MessageText kDemElevationUnits{997, "Units code for elevation coordinates:\t%d"};
inline constexpr MessageText kDemPolygonSides{968, "Number of sides in boundary polygon:\t%d"};
inline constexpr MessageText kDemCornerArcSeconds{856, "Corner #%d:\t%d°%02d'%02d'', %d°%02d'%02d''"};
inline constexpr MessageText kDemCornerMetres{857, "Corner #%d:\t%0.4f m, %0.4f m"};
inline constexpr MessageText kDemMinimumElevation{965, "Minimum elevation:\t%0.2f"};
inline constexpr MessageText kDemMaximumElevation{963, "Maximum elevation:\t%0.2f"};
inline constexpr MessageText kDemAngle{802, "Angle from ground to DEM reference (counterclockwise):\t%4.2f"};
inline constexpr MessageText kDemAccuracyCode{801, "Accuracy code:\t%d"};
inline constexpr MessageText kDemResolution{986, "DEM spatial resolution (x, y, z):\t%4.2f, %4.2f, %4.2f"};
inline constexpr MessageText kDemRows{967, "Number of rows in profile:\t%d"};
inline constexpr MessageText kDemColumns{966, "Number of columns in profile:\t%d"};
inline constexpr MessageText kDemLargestInterval{1033, "Largest primary contour interval:\t%d"};
inline constexpr MessageText kDemLargestIntervalUnits{1034, "Units of the map largest primary contour interval:\t%d"};
inline constexpr MessageText kDemSmallestInterval{1035, "Smallest or only primary contour interval:\t%d"};
inline constexpr MessageText kDemSmallestIntervalUnits{1036, "Units of the map smallest primary contour interval:\t%d"};
inline constexpr MessageText kDemSourceDate{1037, "Data source date:\t%04d"};
inline constexpr MessageText kDemRevisionDate{1038, "Data inspection/revision date:\t%04d"};
inline constexpr MessageText kDemRevisionFlag{1039, "Data inspection/revision flag:\t%s"};
inline constexpr MessageText kDemValidationFlag{1040, "Data validation flag:\t%d"};
inline constexpr MessageText kDemSuspectVoidFlag{1041, "Suspect and void area flag:\t%d"};
inline constexpr MessageText kDemVerticalDatum{1042, "Vertical datum:\t%d"};
inline constexpr MessageText kDemHorizontalDatum{1043, "Horizontal datum:\t%d"};
inline constexpr MessageText kDemEdition{1044, "Data edition code:\t%d"};
inline constexpr MessageText kDemPercentVoid{1045, "Percent void:\t%d"};
inline constexpr MessageText kDemEdgeMatch{1046, "Edge match flags W, N, E, S:\t%d, %d, %d, %d"};
inline constexpr MessageText kDemVerticalShift{1047, "Vertical datum shift:\t%0.2f"};

inline constexpr MessageText kDemSuspiciousValue{988, "Suspicious elevation value:\nChanged from %ld to %ld in (%d/%d).\nContinue checking?"};
inline constexpr MessageText kDemPositiveCount{871, "Total of positive non-zero elevations: %ld"};

// Our own: files and geometry that cannot make a raster.
inline constexpr MessageText kDemNoResolution{0, "The DEM file '%s' gives no usable spatial resolution (x %g, y %g)."};
inline constexpr MessageText kDemRasterSize{0, "The DEM files span %.0f x %.0f pixels, which cannot be held in an elevation file."};
inline constexpr MessageText kDemTruncated{0, "The DEM file '%s' ends inside profile %d; the rest of the file is not read."};

}  // namespace vistagon::msg

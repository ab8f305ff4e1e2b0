#pragma once

#include <string>

namespace qx {

struct Session;

// A plan number in four characters: 0..9999 left-aligned and padded with
// blanks ("7   ", "42  ", "1234"); any other number, negatives included,
// is " N/A ".
std::string FormatPlanNumber(int n);

// Writes "FileUsageCounter.txt" (the use count and file of every indexed
// photo, then their total) and "stat.bmp" (DrawDifferenceChart of the final
// differences of the cells of every enabled layer) into the project folder.
// The text is assembled in session.ReportBuffer, cleared first. Throws
// QuiltixError for a project without a folder or a file that cannot be
// written.
void WriteReports(Session& session);

// Writes "TilePlan.txt": the used photos under their plan numbers, then for
// every enabled layer its cells row by row as plan numbers. Assembled in
// session.ReportBuffer, cleared first. Throws as WriteReports does.
void WriteTilePlan(Session& session);

} // namespace qx

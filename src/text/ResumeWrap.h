#pragma once

#include <QString>

// Wrapping resume text for printing on a fixed-pitch page.
namespace text {

// The width of the date part of a resume line ("1985.09-1989.07 "), filled with blanks on every
// continuation line.
inline constexpr int kResumeIndent = 16;

// Breaks each line of a resume (lines end with CR LF, LF or CR) into pieces of at most
// 'byteWidth' GBK bytes (see gbkWidth). A piece that would end inside a double-byte character
// takes that whole character, one byte more than the width; a character is never split. What
// is left of a line continues on the next output line behind kResumeIndent blanks. Blanks and
// control characters at the end of each line and piece are dropped, pieces that are then empty
// are left out, and an empty input line stays an empty output line (a line break at the very
// end of the text opens no further line). The output lines are joined with CR LF.
//
// A width too small to put anything after the indent is taken as kResumeIndent + 1.
QString wrapResume(const QString& text, int byteWidth);

}  // namespace text

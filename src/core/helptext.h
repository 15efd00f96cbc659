// What the help viewer agrees to show: a help file is HTML that the viewer
// lays out in the program's own window, so a file built to exhaust it (huge,
// thousands of nested tables, a table of a million columns, an image
// scaled to a million pixels) is refused before it is laid out.
#pragma once

#include <cstddef>
#include <string_view>

namespace mensurio {

// Limits measured with the viewer: each limit alone lays out in about a
// tenth of a second (nested tables cost twice as much per level).
// Far above the program's own help file (about 45 KB).
constexpr size_t kMaxHelpTextBytes = 256 * 1024;
// Nesting of elements (those whose end tag may be left out do not count).
constexpr int kMaxHelpNesting = 100;
// Nesting of tables, the tables and the table cells of the whole file.
constexpr int kMaxHelpTableNesting = 4;
constexpr int kMaxHelpTables = 100;
constexpr int kMaxHelpCells = 2000;
// Largest number in a size attribute (width, height, colspan, rowspan, size,
// border, cellpadding, cellspacing) or in a style attribute.
constexpr long kMaxHelpSizeNumber = 2000;

enum class HelpTextVerdict { Fine, TooLarge, TooDeep, TooManyTables, TooLargeSize };

HelpTextVerdict CheckHelpText(std::string_view html);

// The viewer's reason for a refusal, German: "sie ist zu groß" ...
const char* HelpTextRefusal(HelpTextVerdict verdict);

}  // namespace mensurio

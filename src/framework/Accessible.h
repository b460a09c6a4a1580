#pragma once
// What a view tells assistive technology: what kind of thing it shows, its
// name, a one-line summary and its content as lines of text. The toolkit
// side turns this into its accessibility objects; headless prints it.
#include <string>
#include <string_view>
#include <vector>

enum class AccessibleRole {
    Text,     // an editing control: the toolkit already exposes its text
    Graphic,  // a drawing whose text form is its lines
    List,     // one item per line
};

const char* AccessibleRoleName(AccessibleRole role);

// Text split at line breaks (LF or CR LF); a final line break ends the last
// line rather than starting an empty one.
std::vector<std::string> SplitAccessibleLines(std::string_view text);
// A drawing's text grid as a reader hears it: blanks at line ends and empty
// lines before and after the drawing removed.
std::vector<std::string> TrimmedGridLines(std::vector<std::string> lines);

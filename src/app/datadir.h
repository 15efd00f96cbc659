// The directory the program works in: every file is addressed by its bare
// name there.
#pragma once

#include <string>

namespace mensurio {

// $MENSURIO_DIR when set, else $XDG_DATA_HOME/mensurio, else
// ~/.local/share/mensurio.
std::string DataDirectory();

// The pristine shipped data: share/mensurio beside the installed program,
// or data/ in a build tree. Empty when neither holds the files.
std::string PristineDataDirectory(const std::string& program_dir);

// Makes the data directory the working directory. A directory that does not
// exist or is empty is first created and filled from the pristine data, so
// a first start finds everything and emptying the directory restores the
// shipped data. Returns an error text (German) or "".
std::string EnterDataDirectory(const std::string& program_dir);

enum class FillResult { Filled, NotCreated, NotCopied };

// Creates `to` and copies every regular file of `from` into it.
FillResult FillFrom(const std::string& from, const std::string& to);

}  // namespace mensurio

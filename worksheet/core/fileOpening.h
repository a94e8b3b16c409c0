// Opening the file of a "!load".
#ifndef QUORIN_WORKSHEET_FILE_OPENING_H
#define QUORIN_WORKSHEET_FILE_OPENING_H

#include <cstdio>
#include <string>

namespace worksheet {

// Opens a file to load, or gives null and says why in reason. Only regular
// files load: a device or a pipe may never end (and opening a pipe may wait
// for ever), so a load of one would freeze the worksheet.
std::FILE* openLoadFile(const char* name, std::string& reason);

} // namespace worksheet

#endif

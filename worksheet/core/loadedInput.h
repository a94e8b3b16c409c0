// One input on the worksheet's stack: a file being loaded, a stream the
// front end opened, or bytes the front end feeds.
#ifndef QUORIN_WORKSHEET_LOADED_INPUT_H
#define QUORIN_WORKSHEET_LOADED_INPUT_H

#include "lineSplitter.h"
#include "worksheet.h"

#include <cstdio>
#include <string>

namespace worksheet {

struct loadedInput {
    loadedInput(std::string name, inputKind kind, std::FILE* file, bool ownsFile)
        : name(std::move(name)), kind(kind), splitter(kind == inputKind::file), file(file),
          ownsFile(ownsFile) {}
    ~loadedInput() {
        if (ownsFile) std::fclose(file);
    }
    loadedInput(const loadedInput&) = delete;
    loadedInput& operator=(const loadedInput&) = delete;

    // What load errors call it.
    const std::string name;
    const inputKind kind;
    lineSplitter splitter;
    // Read block by block; null for bytes the front end feeds.
    std::FILE* const file;
    // Whether the worksheet opened the file and closes it.
    const bool ownsFile;
    char block[slotBytes];
    // No more of its lines run.
    bool ended = false;
    // The errno of a failed read, 0 while none failed.
    int readError = 0;
};

} // namespace worksheet

#endif

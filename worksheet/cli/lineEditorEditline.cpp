// The prompt through libedit: line editing as in a shell, with Up and Down
// bound to the worksheet's recall instead of libedit's own history, so
// that the prompt and the window recall the same lines.
#include "lineEditor.h"

#include "worksheet.h"

#include <histedit.h>

#include <clocale>
#include <cstdio>

namespace quorin {

namespace {

EditLine* editor = nullptr;
const char* promptText = "";
worksheet::worksheetCore* recallSource = nullptr;
// Set by Ctrl-C while a line is being typed.
bool lineDropped = false;

char* showPrompt(EditLine*) {
    return const_cast<char*>(promptText);
}

// Puts a recalled line in place of the whole line being edited, the caret
// at its end, as the window's pane does; without one the key does nothing.
unsigned char showRecalled(EditLine* lineEditor, const char* line) {
    if (line == nullptr) {
        return CC_NORM;
    }
    const LineInfo* edited = el_line(lineEditor);
    el_cursor(lineEditor, static_cast<int>(edited->lastchar - edited->cursor));
    edited = el_line(lineEditor);
    el_deletestr(lineEditor, static_cast<int>(edited->cursor - edited->buffer));
    el_insertstr(lineEditor, line);
    return CC_REFRESH;
}

unsigned char recallEarlierKey(EditLine* lineEditor, int) {
    return showRecalled(lineEditor, recallSource->recallEarlier());
}

unsigned char recallLaterKey(EditLine* lineEditor, int) {
    return showRecalled(lineEditor, recallSource->recallLater());
}

// Shows "^C" after the line, which it marks as dropped, and ends it as
// Return does, so that the next prompt comes on a line of its own.
unsigned char dropLineKey(EditLine* lineEditor, int) {
    const LineInfo* edited = el_line(lineEditor);
    el_cursor(lineEditor, static_cast<int>(edited->lastchar - edited->cursor));
    el_insertstr(lineEditor, "^C");
    el_push(lineEditor, "\n");
    lineDropped = true;
    return CC_REFRESH;
}

// Ctrl-C while typing is a key of the line editor rather than a signal,
// which would break into its read.
void bindDropKey() {
    el_set(editor, EL_SETTY, "-d", "-isig", nullptr);
    el_wset(editor, EL_ADDFN, L"quorin-drop-line", L"Drop the line being typed", dropLineKey);
    el_set(editor, EL_BIND, "^C", "quorin-drop-line", nullptr);
}

void bindRecallKeys() {
    // The wide form keeps these names as they are; the narrow one copies
    // them and never frees the copies.
    el_wset(editor, EL_ADDFN, L"quorin-recall-earlier", L"Recall the line before this one",
            recallEarlierKey);
    el_wset(editor, EL_ADDFN, L"quorin-recall-later", L"Recall the line after this one",
            recallLaterKey);
    // The arrow keys as terminals send them in either cursor key mode, and
    // by the terminal's own names for them should the terminal settings
    // rebind the arrows; the keys that browse the history in emacs mode.
    for (const char* key : {"\033[A", "\033OA", "^P"}) {
        el_set(editor, EL_BIND, key, "quorin-recall-earlier", nullptr);
    }
    for (const char* key : {"\033[B", "\033OB", "^N"}) {
        el_set(editor, EL_BIND, key, "quorin-recall-later", nullptr);
    }
    el_set(editor, EL_BIND, "-k", "up", "quorin-recall-earlier", nullptr);
    el_set(editor, EL_BIND, "-k", "down", "quorin-recall-later", nullptr);
}

} // namespace

void startLineEditor(const char* prompt, worksheet::worksheetCore& sheet) {
    promptText = prompt;
    recallSource = &sheet;
    // Typed characters beyond ASCII are shown as the terminal's character
    // set has them. The engine reads only ASCII and formats numbers by
    // LC_NUMERIC, which stays "C".
    std::setlocale(LC_CTYPE, "");
    // Editing goes to standard error, beside the prompt, so that standard
    // output holds only the sheet.
    editor = el_init("quorin", stdin, stderr, stderr);
    el_set(editor, EL_EDITOR, "emacs");
    el_set(editor, EL_PROMPT, showPrompt);
    el_set(editor, EL_SIGNAL, 1);
    el_source(editor, nullptr);
    // After the user's own settings: recall must follow the worksheet.
    bindRecallKeys();
    bindDropKey();
}

std::optional<std::string> readTypedLine() {
    int count = 0;
    const char* line;
    while ((line = el_gets(editor, &count)) != nullptr && lineDropped) {
        lineDropped = false;
    }
    if (line == nullptr || count <= 0) {
        return std::nullopt;
    }
    std::string typed(line, static_cast<std::size_t>(count));
    if (typed.back() == '\n') {
        typed.pop_back();
    }
    return typed;
}

void stopLineEditor() {
    el_end(editor);
    editor = nullptr;
    recallSource = nullptr;
}

} // namespace quorin

// The prompt through libedit: line editing as in a shell, with Up and Down
// bound to the worksheet's recall instead of libedit's own history, so
// that the prompt and the window recall the same lines. The library is
// loaded only when a prompt is shown: quorin over files and pipes starts
// without it and the libraries it pulls in.
#include "lineEditor.h"

#include "plainLine.h"
#include "worksheet.h"

#include <dlfcn.h>
#include <histedit.h>

#include <clocale>
#include <cstdio>

namespace quorin {

namespace {

// The functions of libedit this prompt calls, looked up when it starts.
struct editlineFunctions {
    decltype(&::el_init) el_init;
    decltype(&::el_set) el_set;
    decltype(&::el_wset) el_wset;
    decltype(&::el_source) el_source;
    decltype(&::el_gets) el_gets;
    decltype(&::el_line) el_line;
    decltype(&::el_cursor) el_cursor;
    decltype(&::el_deletestr) el_deletestr;
    decltype(&::el_insertstr) el_insertstr;
    decltype(&::el_end) el_end;
    decltype(&::el_push) el_push;
};

template <typename Function> bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Null when the library or one of its functions is missing.
const editlineFunctions* loadEditline() {
    static editlineFunctions functions;
    static void* const library = dlopen("libedit.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    editlineFunctions& f = functions;
    const bool complete =
        find(library, "el_init", f.el_init) && find(library, "el_set", f.el_set) &&
        find(library, "el_wset", f.el_wset) && find(library, "el_source", f.el_source) &&
        find(library, "el_gets", f.el_gets) && find(library, "el_line", f.el_line) &&
        find(library, "el_cursor", f.el_cursor) && find(library, "el_deletestr", f.el_deletestr) &&
        find(library, "el_insertstr", f.el_insertstr) && find(library, "el_end", f.el_end) &&
        find(library, "el_push", f.el_push);
    return complete ? &functions : nullptr;
}

const editlineFunctions* editline = nullptr;

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
    const LineInfo* edited = editline->el_line(lineEditor);
    editline->el_cursor(lineEditor, static_cast<int>(edited->lastchar - edited->cursor));
    edited = editline->el_line(lineEditor);
    editline->el_deletestr(lineEditor, static_cast<int>(edited->cursor - edited->buffer));
    editline->el_insertstr(lineEditor, line);
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
    const LineInfo* edited = editline->el_line(lineEditor);
    editline->el_cursor(lineEditor, static_cast<int>(edited->lastchar - edited->cursor));
    editline->el_insertstr(lineEditor, "^C");
    editline->el_push(lineEditor, "\n");
    lineDropped = true;
    return CC_REFRESH;
}

// Ctrl-C while typing is a key of the line editor rather than a signal,
// which would break into its read.
void bindDropKey() {
    editline->el_set(editor, EL_SETTY, "-d", "-isig", nullptr);
    editline->el_wset(editor, EL_ADDFN, L"quorin-drop-line", L"Drop the line being typed",
                      dropLineKey);
    editline->el_set(editor, EL_BIND, "^C", "quorin-drop-line", nullptr);
}

void bindRecallKeys() {
    // The wide form keeps these names as they are; the narrow one copies
    // them and never frees the copies.
    editline->el_wset(editor, EL_ADDFN, L"quorin-recall-earlier",
                      L"Recall the line before this one", recallEarlierKey);
    editline->el_wset(editor, EL_ADDFN, L"quorin-recall-later", L"Recall the line after this one",
                      recallLaterKey);
    // The arrow keys as terminals send them in either cursor key mode, and
    // by the terminal's own names for them should the terminal settings
    // rebind the arrows; the keys that browse the history in emacs mode.
    for (const char* key : {"\033[A", "\033OA", "^P"}) {
        editline->el_set(editor, EL_BIND, key, "quorin-recall-earlier", nullptr);
    }
    for (const char* key : {"\033[B", "\033OB", "^N"}) {
        editline->el_set(editor, EL_BIND, key, "quorin-recall-later", nullptr);
    }
    editline->el_set(editor, EL_BIND, "-k", "up", "quorin-recall-earlier", nullptr);
    editline->el_set(editor, EL_BIND, "-k", "down", "quorin-recall-later", nullptr);
}

} // namespace

void startLineEditor(const char* prompt, worksheet::worksheetCore& sheet) {
    promptText = prompt;
    recallSource = &sheet;
    // Typed characters beyond ASCII are shown as the terminal's character
    // set has them. The engine reads only ASCII and formats numbers by
    // LC_NUMERIC, which stays "C".
    std::setlocale(LC_CTYPE, "");
    editline = loadEditline();
    if (editline == nullptr) {
        std::fputs("quorin: libedit.so.2 cannot be loaded: lines are read without editing\n",
                   stderr);
        return;
    }
    // Editing goes to standard error, beside the prompt, so that standard
    // output holds only the sheet.
    editor = editline->el_init("quorin", stdin, stderr, stderr);
    editline->el_set(editor, EL_EDITOR, "emacs");
    editline->el_set(editor, EL_PROMPT, showPrompt);
    editline->el_set(editor, EL_SIGNAL, 1);
    editline->el_source(editor, nullptr);
    // After the user's own settings: recall must follow the worksheet.
    bindRecallKeys();
    bindDropKey();
}

std::optional<std::string> readTypedLine() {
    if (editor == nullptr) {
        return readPlainLine(promptText);
    }
    int count = 0;
    const char* line;
    while ((line = editline->el_gets(editor, &count)) != nullptr && lineDropped) {
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
    if (editor == nullptr) {
        return;
    }
    editline->el_end(editor);
    editor = nullptr;
    recallSource = nullptr;
}

} // namespace quorin

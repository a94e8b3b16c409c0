// One screenful: how to run quorin, and the expression language.
#include "helpText.h"

namespace quorin {

const char* const helpText =
    R"(Usage: quorin [OPTION]... [FILE]...
Runs the worksheet lines of each FILE in turn (with none, or -, standard input,
with a prompt at a terminal) and prints each line followed by its answer.
  --answers       print only answers and errors, not the lines themselves
  --diagnostics   show the engine's diagnostic lines on standard error
  -h, --help      show this help and exit
  --version       show the version and exit
Exit status: 0 when every line ran (errors of the engine are answers); 1 when
a FILE or a !load failed (standard error says where) or output failed; 2 for
a wrong option.

Numbers    3   2.5   1e-3          Operators   + - * / ^   ( )
Priority   ^ first, then /, *, -, and + last; all left-associative:
           a*b/c is a*(b/c)   a-b+c is (a-b)+c   2^3^2 is 64   -2^2 is -4
           a sign needs parentheses after an operator: 2*(-3), not 2*-3
Names      letters then digits (x, r2); a line keeps them symbolic:
           x*2+1 gives [ans = (x)*(2)+1], PI gives [ans = PI]
Define     [f = x^2 + 1, a = 3]        gives # set root environment.
Apply      f[x = 3] gives [ans = 10]   a[] gives [ans = 3], but a+1 stays
           [ans = a+1]: a name is looked up only where it is applied
           any tree applies: (x+y)[x = 1, y = 2] gives [ans = 3]
ans        the last answer, a tree like any other: ans[x = 2]
Built-ins  PI[] E[]; sin cos tan asin acos atan abs sqrt exp log (base 10)
           ln delta step, each applied to x: sqrt[x = 2], log[x = 100]
Comments   # a line that starts with # stays on the sheet unrun
Commands   !clear        forgets every definition and ans
           !load "file"  runs the lines of a file (names are relative to
                         the current directory; loads may nest 32 deep,
                         and one line may start 10000 loads in all)
At the prompt Ctrl-C drops the line being typed, or stops a long load.
)";

} // namespace quorin

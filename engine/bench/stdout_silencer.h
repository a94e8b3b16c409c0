// Sends the C standard output to /dev/null while it lives. The engine writes
// a diagnostic line for every operator node it tears down; measured, those
// lines would cost a terminal's time, not the engine's.
#ifndef QUORIN_STDOUT_SILENCER_H
#define QUORIN_STDOUT_SILENCER_H

class stdoutSilencer {
  public:
    stdoutSilencer();
    ~stdoutSilencer();
    stdoutSilencer(const stdoutSilencer&) = delete;
    stdoutSilencer& operator=(const stdoutSilencer&) = delete;

  private:
    int savedStdout;
};

#endif

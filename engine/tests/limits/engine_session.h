// A fresh engine for each test, and the checks every limit test repeats:
// each call kept to its buffers, and the engine still answers a plain line
// after whatever it was fed.
#ifndef QUORIN_ENGINE_SESSION_H
#define QUORIN_ENGINE_SESSION_H

#include "guarded_call.h"

#include <gtest/gtest.h>

#include <string>

class engineSession : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a line and fails the test if it strayed outside its buffers.
    guardedCall run(const std::string& line);

    void expectAnswer(const std::string& line, const std::string& answer);
    void expectError(const std::string& line, const std::string& message);
    // For lines built to explode: an answer or an error, either is fine.
    guardedCall expectAnswerOrError(const std::string& line);
    void expectEngineStillWorks();
};

// A line shortened for failure messages: hostile lines run to megabytes.
std::string describe(const std::string& line);

std::string repeated(const std::string& piece, int times);

#endif

#pragma once
// Runs the zkgfx program as a user runs it, for the tool's tests.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Result {
  int Code = -1;
  std::string Out;
  std::string Err;
};

std::string ReadFile(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// Runs zkgfx with Args (already quoted for the shell) and Input on stdin.
Result RunZkgfx(const std::string& Args, const std::string& Input) {
  // Per-process names: the test runner runs several of these programs at once.
  const std::string Stem = testing::TempDir() + "zkgfx_" + std::to_string(getpid());
  const std::string InFile = Stem + "_in.txt", ErrFile = Stem + "_err.txt";
  std::ofstream(InFile, std::ios::binary) << Input;
  const std::string Command =
      std::string("'") + ZKGFX_PATH + "' " + Args + " <'" + InFile + "' 2>'" + ErrFile + "'";
  Result R;
  FILE* Pipe = popen(Command.c_str(), "r");
  if (Pipe == nullptr) return R;
  char Buf[4096];
  for (std::size_t N; (N = std::fread(Buf, 1, sizeof Buf, Pipe)) > 0;) R.Out.append(Buf, N);
  const int Status = pclose(Pipe);
  R.Code = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  R.Err = ReadFile(ErrFile);
  return R;
}

} // namespace

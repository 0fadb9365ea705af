// Fuzz targets: one LLVMFuzzerTestOneInput per input surface, the
// convention of libFuzzer and OSS-Fuzz. driver.cpp runs them without
// libFuzzer (GCC has none); see README.md in this folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
// Optional: called once before the first input.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

// A property of the current input does not hold: says which on stderr and
// aborts, which the driver (or libFuzzer) reports with the input.
[[noreturn]] void fuzz_fail(const char *format, ...) __attribute__((format(printf, 1, 2)));

#define FUZZ_CHECK(condition, ...) ((condition) ? (void)0 : fuzz_fail(__VA_ARGS__))

// A scratch directory of this process for the files a target writes (in
// memory where /dev/shm allows), made on first use and removed at exit.
const std::string &fuzz_scratch_dir();

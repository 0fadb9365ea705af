// A stand-alone driver for LLVMFuzzerTestOneInput targets (GCC has no
// libFuzzer). It replays the seed corpus, then mutates its inputs for a
// bounded time. Inputs that make the target compare something it had not
// compared, or come out of a comparison another way, join the corpus: the
// sanitizer build traces comparisons (-fsanitize-coverage=trace-cmp) and
// this file receives them. Constants the target compares against, and the
// strings it passes to memcmp or strcmp, become material for mutations.
//
// An input that trips a sanitizer, crashes, aborts (a broken property,
// fuzz_fail), ends the process (exit inside the target) or runs too long
// is written to a file named after the kind of failure and the input's
// hash, and the driver ends with status 1.
//
//   fuzz_NAME [OPTION]... DIR_OR_FILE...
//     --seconds N    mutate for N seconds after the replay (default 0)
//     --runs N       stop after N mutated inputs
//     --max-len N    longest input made by mutation (default 4096)
//     --seed N       random seed (default: from the clock; printed)
//     --out DIR      keep new inputs there; it is read like a corpus first
//     --crashes DIR  where failing inputs go (default: the current directory)
//     --timeout N    seconds of CPU time one input may take (default 10;
//                    ten times as long by the clock)
//     --verbose      keep the target's own output on stdout and stderr
// Given only files, the driver runs them once with the target's output
// shown: the way to replay a failure.
#include "fuzz.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

extern "C" {
__attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);
__attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)(void));
__attribute__((weak)) void __sanitizer_set_report_fd(void *fd);
}

namespace {

using Bytes = std::vector<uint8_t>;

// ---- Comparison tracing ----

constexpr size_t MAP_SIZE = 1 << 16;
uint8_t now_map[MAP_SIZE];  // features of the input being run
uint8_t seen_map[MAP_SIZE]; // features of every input kept so far
size_t seen_count = 0;
bool tracing = false;

// Material for mutations: constants and strings the target compared with.
constexpr size_t DICT_SIZE = 1024;
constexpr size_t DICT_ENTRY_MAX = 32;
struct DictEntry {
    uint8_t len;
    uint8_t bytes[DICT_ENTRY_MAX];
};
DictEntry dict[DICT_SIZE];
size_t dict_count = 0;
uint64_t rng_state = 1;

uint64_t next_random() {
    // xorshift64*
    rng_state ^= rng_state >> 12;
    rng_state ^= rng_state << 25;
    rng_state ^= rng_state >> 27;
    return rng_state * 0x2545F4914F6CDD1DULL;
}

size_t below(size_t n) { return n ? static_cast<size_t>(next_random() % n) : 0; }

void feature(uintptr_t pc, uint64_t detail) {
    uint64_t h = pc ^ (detail * 0x9E3779B97F4A7C15ULL);
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 32;
    now_map[h & (MAP_SIZE - 1)] = 1;
}

void remember(const void *bytes, size_t len) {
    if (len == 0 || len > DICT_ENTRY_MAX) return;
    // A full dictionary replaces entries at random: old and new both live.
    DictEntry &e = dict[dict_count < DICT_SIZE ? dict_count++ : below(DICT_SIZE)];
    e.len = static_cast<uint8_t>(len);
    std::memcpy(e.bytes, bytes, len);
}

// A loop compares at one place many times the same way (a pixel loop does
// so hundreds of thousands of times): a small cache of what was just
// recorded skips the repeats cheaply. Emptied for each input.
uint64_t recent[256];

bool repeated(uintptr_t pc, uint64_t detail) {
    uint64_t key = pc * 64 + detail;
    uint64_t &slot = recent[(pc ^ (pc >> 8)) & 255];
    if (slot == key) return true;
    slot = key;
    return false;
}

void on_compare(uintptr_t pc, uint64_t a, uint64_t b, size_t width, bool constant) {
    if (!tracing) return;
    uint64_t outcome = a == b ? 1 : a < b ? 2 : 3;
    if (!repeated(pc, outcome)) feature(pc, outcome);
    if (!constant) return;
    // How close the input came to a constant: a step towards it is new.
    uint64_t distance = 8 + static_cast<uint64_t>(__builtin_popcountll(a ^ b));
    if (repeated(pc, distance)) return;
    feature(pc, distance);
    if (a > 1 && (next_random() & 15) == 0) remember(&a, width);
}

void on_strings(void *pc, const void *s1, const void *s2, size_t n1, size_t n2, int result) {
    if (!tracing) return;
    feature(reinterpret_cast<uintptr_t>(pc), result == 0 ? 1 : 2);
    if ((next_random() & 7) != 0) return;
    remember(s1, n1);
    remember(s2, n2);
}

size_t bounded_len(const char *s) { return strnlen(s, DICT_ENTRY_MAX + 1); }

// ---- The input being run, for reports ----

const uint8_t *current = nullptr;
size_t current_size = 0;
bool running = false;
std::string crash_dir = ".";
int report_fd = 2;

uint64_t hash_of(const uint8_t *data, size_t size) {
    uint64_t h = 0xCBF29CE484222325ULL;
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 0x100000001B3ULL;
    return h;
}

// Async-signal-safe enough: only write, open and close.
void say(const char *text) {
    ssize_t ignored = write(report_fd, text, std::strlen(text));
    (void)ignored;
}

void save_current(const char *kind) {
    if (!running) return;
    running = false;
    char name[4096];
    std::snprintf(name, sizeof name, "%s/%s-%016llx", crash_dir.c_str(), kind,
                  static_cast<unsigned long long>(hash_of(current, current_size)));
    int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ssize_t ignored = write(fd, current, current_size);
        (void)ignored;
        close(fd);
    }
    say("fuzz: the failing input is in ");
    say(name);
    say("\n");
}

void on_death() { save_current("crash"); }

void on_signal(int sig) {
    bool too_long = sig == SIGALRM || sig == SIGPROF;
    save_current(too_long ? "timeout" : sig == SIGABRT ? "failure" : "crash");
    say(too_long ? "fuzz: the input ran too long\n" : "fuzz: the target died of a signal\n");
    signal(sig, SIG_DFL);
    if (too_long) _exit(1);
    raise(sig);
}

void on_process_exit() {
    if (!running) return;
    save_current("exit");
    say("fuzz: the target ended the process\n");
    _exit(1);
}

// ---- Corpus ----

struct Options {
    double seconds = 0;
    long runs = -1;
    size_t max_len = 4096;
    uint64_t seed = 0;
    std::string out;
    unsigned timeout = 10;
    bool verbose = false;
    std::vector<std::string> inputs;
};

bool read_file(const std::string &path, Bytes &out) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    out.clear();
    uint8_t buf[65536];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) out.insert(out.end(), buf, buf + n);
    close(fd);
    return n == 0;
}

bool is_dir(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void add_files(const std::string &path, std::vector<Bytes> &corpus) {
    if (!is_dir(path)) {
        Bytes b;
        if (read_file(path, b)) corpus.push_back(std::move(b));
        else std::fprintf(stderr, "fuzz: cannot read %s\n", path.c_str());
        return;
    }
    DIR *d = opendir(path.c_str());
    if (!d) return;
    std::vector<std::string> names;
    while (const dirent *e = readdir(d))
        if (e->d_name[0] != '.') names.push_back(e->d_name);
    closedir(d);
    std::sort(names.begin(), names.end());
    for (const std::string &n : names) {
        Bytes b;
        if (!is_dir(path + "/" + n) && read_file(path + "/" + n, b)) corpus.push_back(std::move(b));
    }
}

void write_new(const Options &o, const Bytes &input) {
    if (o.out.empty()) return;
    char name[64];
    std::snprintf(name, sizeof name, "/%016llx", static_cast<unsigned long long>(hash_of(input.data(), input.size())));
    std::string path = o.out + name;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    ssize_t ignored = write(fd, input.data(), input.size());
    (void)ignored;
    close(fd);
}

// ---- Running ----

// An input may take `timeout` seconds of CPU time, so that a machine busy
// with other work (the driver runs niced beside builds) does not make a
// slow input look hung; a bound ten times as long by the clock still
// catches one that waits for ever. 0 disarms both.
void limit_time(unsigned timeout) {
    itimerval cpu{};
    cpu.it_value.tv_sec = timeout;
    setitimer(ITIMER_PROF, &cpu, nullptr);
    alarm(timeout * 10);
}

// Runs one input; true when it showed features not seen before.
bool run_one(const Bytes &input, unsigned timeout) {
    // The target gets a copy of its own, exactly as long as the input, so
    // that the sanitizers see any read past its end.
    uint8_t *copy = static_cast<uint8_t *>(std::malloc(input.size() ? input.size() : 1));
    if (!input.empty()) std::memcpy(copy, input.data(), input.size());
    current = copy;
    current_size = input.size();
    std::memset(now_map, 0, sizeof now_map);
    std::memset(recent, 0, sizeof recent);
    running = true;
    tracing = true;
    limit_time(timeout);
    LLVMFuzzerTestOneInput(copy, input.size());
    limit_time(0);
    tracing = false;
    running = false;
    std::free(copy);
    bool fresh = false;
    for (size_t i = 0; i < MAP_SIZE; ++i) {
        if (now_map[i] && !seen_map[i]) {
            seen_map[i] = 1;
            ++seen_count;
            fresh = true;
        }
    }
    return fresh;
}

// ---- Mutation ----

constexpr uint8_t INTERESTING[] = {0, 1, 0x7F, 0x80, 0xFF, '\n', '\r', ' ', '{', '}', '[', ']', '=', '#', '-', '"', 0x81, 0x82, 0x9F, 0xE0, 0xFC};

void mutate(Bytes &b, const std::vector<Bytes> &corpus, size_t max_len) {
    int steps = 1 + static_cast<int>(below(4));
    for (int s = 0; s < steps; ++s) {
        size_t n = b.size();
        switch (below(12)) {
        case 0: // flip a bit
            if (n) b[below(n)] ^= static_cast<uint8_t>(1u << below(8));
            break;
        case 1: // a random byte
            if (n) b[below(n)] = static_cast<uint8_t>(next_random());
            break;
        case 2: // an interesting byte
            if (n) b[below(n)] = INTERESTING[below(sizeof INTERESTING)];
            break;
        case 3: // nudge a byte
            if (n) b[below(n)] += static_cast<uint8_t>(below(9)) - 4;
            break;
        case 4: { // insert bytes
            size_t k = 1 + below(4);
            uint8_t v = below(2) ? INTERESTING[below(sizeof INTERESTING)] : static_cast<uint8_t>(next_random());
            b.insert(b.begin() + static_cast<long>(below(n + 1)), k, v);
            break;
        }
        case 5: { // erase a range
            if (n < 2) break;
            size_t at = below(n), k = 1 + below(std::min<size_t>(n - at, 16));
            b.erase(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + k));
            break;
        }
        case 6: { // copy a range of the input elsewhere into it
            if (n < 2) break;
            size_t from = below(n), k = 1 + below(std::min<size_t>(n - from, 64));
            Bytes part(b.begin() + static_cast<long>(from), b.begin() + static_cast<long>(from + k));
            b.insert(b.begin() + static_cast<long>(below(n + 1)), part.begin(), part.end());
            break;
        }
        case 7:   // insert something the target compared with
        case 8: { // or write it over what is there
            if (!dict_count) break;
            const DictEntry &e = dict[below(dict_count)];
            size_t at = below(n + 1);
            if (below(2) == 0 || at + e.len > n)
                b.insert(b.begin() + static_cast<long>(at), e.bytes, e.bytes + e.len);
            else
                std::memcpy(b.data() + at, e.bytes, e.len);
            break;
        }
        case 9: { // splice with another input
            const Bytes &o = corpus[below(corpus.size())];
            size_t cut = below(n + 1), from = below(o.size() + 1);
            b.resize(cut);
            b.insert(b.end(), o.begin() + static_cast<long>(from), o.end());
            break;
        }
        case 10: { // insert a piece of another input
            const Bytes &o = corpus[below(corpus.size())];
            if (o.empty()) break;
            size_t from = below(o.size()), k = 1 + below(std::min<size_t>(o.size() - from, 128));
            b.insert(b.begin() + static_cast<long>(below(n + 1)), o.begin() + static_cast<long>(from),
                     o.begin() + static_cast<long>(from + k));
            break;
        }
        default: // swap two bytes
            if (n > 1) std::swap(b[below(n)], b[below(n)]);
            break;
        }
    }
    if (b.size() > max_len) b.resize(max_len);
}

double seconds_since(const timespec &start) {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec - start.tv_sec) + static_cast<double>(t.tv_nsec - start.tv_nsec) / 1e9;
}

[[noreturn]] void usage(const char *prog) {
    std::fprintf(stderr,
                 "Usage: %s [--seconds N] [--runs N] [--max-len N] [--seed N] [--out DIR] [--crashes DIR]\n"
                 "          [--timeout N] [--verbose] DIR_OR_FILE...\n",
                 prog);
    std::exit(2);
}

Options parse(int argc, char **argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> const char * {
            if (i + 1 >= argc) usage(argv[0]);
            return argv[++i];
        };
        if (a == "--seconds") o.seconds = std::atof(value());
        else if (a == "--runs") o.runs = std::atol(value());
        else if (a == "--max-len") o.max_len = std::strtoul(value(), nullptr, 10);
        else if (a == "--seed") o.seed = std::strtoull(value(), nullptr, 10);
        else if (a == "--out") o.out = value();
        else if (a == "--crashes") crash_dir = value();
        else if (a == "--timeout") o.timeout = static_cast<unsigned>(std::atoi(value()));
        else if (a == "--verbose") o.verbose = true;
        else if (a.size() > 1 && a[0] == '-') usage(argv[0]);
        else o.inputs.push_back(a);
    }
    if (o.inputs.empty()) usage(argv[0]);
    if (o.max_len == 0) o.max_len = 1;
    return o;
}

// The target's own output would drown the driver's: it goes to /dev/null,
// while the driver and the sanitizers keep the real stderr.
void silence_target() {
    report_fd = fcntl(2, F_DUPFD_CLOEXEC, 10);
    if (report_fd < 0) {
        report_fd = 2;
        return;
    }
    if (__sanitizer_set_report_fd) __sanitizer_set_report_fd(reinterpret_cast<void *>(static_cast<intptr_t>(report_fd)));
    setenv("FUZZ_REPORT_FD", std::to_string(report_fd).c_str(), 1); // for fuzz_fail
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0) return;
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(null, 1);
    dup2(null, 2);
    close(null);
}

void report(const char *format, ...) __attribute__((format(printf, 1, 2)));
void report(const char *format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    say(line);
}

}  // namespace

// ---- Hooks the instrumented code and the sanitizer runtime call ----

extern "C" {
#define CMP_HOOK(name, type, constant)                                                                         \
    void name(type a, type b) {                                                                                \
        on_compare(reinterpret_cast<uintptr_t>(__builtin_return_address(0)), static_cast<uint64_t>(a),        \
                   static_cast<uint64_t>(b), sizeof(type), constant);                                          \
    }
CMP_HOOK(__sanitizer_cov_trace_cmp1, uint8_t, false)
CMP_HOOK(__sanitizer_cov_trace_cmp2, uint16_t, false)
CMP_HOOK(__sanitizer_cov_trace_cmp4, uint32_t, false)
CMP_HOOK(__sanitizer_cov_trace_cmp8, uint64_t, false)
CMP_HOOK(__sanitizer_cov_trace_const_cmp1, uint8_t, true)
CMP_HOOK(__sanitizer_cov_trace_const_cmp2, uint16_t, true)
CMP_HOOK(__sanitizer_cov_trace_const_cmp4, uint32_t, true)
CMP_HOOK(__sanitizer_cov_trace_const_cmp8, uint64_t, true)
#undef CMP_HOOK

void __sanitizer_cov_trace_cmpf(float a, float b) {
    if (tracing) feature(reinterpret_cast<uintptr_t>(__builtin_return_address(0)), a == b ? 1 : a < b ? 2 : 3);
}
void __sanitizer_cov_trace_cmpd(double a, double b) {
    if (tracing) feature(reinterpret_cast<uintptr_t>(__builtin_return_address(0)), a == b ? 1 : a < b ? 2 : 3);
}

// cases[0] is the number of cases, cases[1] the width in bits, then the values.
void __sanitizer_cov_trace_switch(uint64_t value, uint64_t *cases) {
    if (!tracing) return;
    uintptr_t pc = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
    uint64_t which = 0;
    for (uint64_t i = 0; i < cases[0]; ++i)
        if (cases[2 + i] == value) which = i + 1;
    feature(pc, 16 + which);
    if (cases[0] && (next_random() & 15) == 0) {
        uint64_t v = cases[2 + below(cases[0])];
        remember(&v, cases[1] / 8 ? cases[1] / 8 : 1);
    }
}

void __sanitizer_weak_hook_memcmp(void *pc, const void *s1, const void *s2, size_t n, int result) {
    on_strings(pc, s1, s2, n, n, result);
}
void __sanitizer_weak_hook_strncmp(void *pc, const char *s1, const char *s2, size_t n, int result) {
    on_strings(pc, s1, s2, std::min(n, strnlen(s1, n)), std::min(n, strnlen(s2, n)), result);
}
void __sanitizer_weak_hook_strcmp(void *pc, const char *s1, const char *s2, int result) {
    on_strings(pc, s1, s2, bounded_len(s1), bounded_len(s2), result);
}
void __sanitizer_weak_hook_strstr(void *pc, const char *s1, const char *s2, char *result) {
    on_strings(pc, s1, s2, 0, bounded_len(s2), result ? 0 : 1);
}
}

int main(int argc, char **argv) {
    Options o = parse(argc, argv);
    bool replay_only = true;
    for (const std::string &in : o.inputs)
        if (is_dir(in)) replay_only = false;

    if (!o.out.empty()) {
        mkdir(o.out.c_str(), 0755);
        o.inputs.push_back(o.out);
    }
    std::vector<Bytes> corpus;
    for (const std::string &in : o.inputs) add_files(in, corpus);
    if (corpus.empty()) corpus.push_back(Bytes{});

    if (!o.seed) {
        timespec t;
        clock_gettime(CLOCK_REALTIME, &t);
        o.seed = static_cast<uint64_t>(t.tv_nsec) ^ (static_cast<uint64_t>(t.tv_sec) << 20) ^ static_cast<uint64_t>(getpid());
    }
    rng_state = o.seed | 1;

    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(on_death);
    for (int sig : {SIGABRT, SIGALRM, SIGPROF, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) {
        // The sanitizers handle the crash signals themselves and report
        // through the death callback; the driver takes what they leave.
        struct sigaction old {};
        sigaction(sig, nullptr, &old);
        if (old.sa_handler == SIG_DFL) signal(sig, on_signal);
    }
    std::atexit(on_process_exit);
    if (!(o.verbose || replay_only)) silence_target();

    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);

    timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (const Bytes &input : corpus) run_one(input, o.timeout);
    report("fuzz: replayed %zu inputs, %zu features (seed %llu)\n", corpus.size(), seen_count,
           static_cast<unsigned long long>(o.seed));
    if (replay_only || (o.seconds <= 0 && o.runs < 0)) return 0;

    long executions = 0, added = 0;
    double next_status = 10;
    Bytes input;
    while ((o.runs < 0 || executions < o.runs) && (o.seconds <= 0 || seconds_since(start) < o.seconds)) {
        input = corpus[below(corpus.size())];
        mutate(input, corpus, o.max_len);
        ++executions;
        if (run_one(input, o.timeout)) {
            corpus.push_back(input);
            write_new(o, input);
            ++added;
        }
        if (seconds_since(start) >= next_status) {
            report("fuzz: %ld executions, corpus %zu, %zu features, %.0f/s\n", executions, corpus.size(), seen_count,
                   static_cast<double>(executions) / seconds_since(start));
            next_status *= 2;
        }
    }
    double took = seconds_since(start);
    report("fuzz: done: %ld executions in %.1f s (%.0f/s), %ld new inputs, corpus %zu, %zu features, no failure\n",
           executions, took, static_cast<double>(executions) / (took > 0 ? took : 1), added, corpus.size(), seen_count);
    return 0;
}

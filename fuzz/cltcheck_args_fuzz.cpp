// Fuzzes the argument reader of cltcheck: every line of the input is one
// argument after "cltcheck check". A command line that is accepted holds only
// finite values within their ranges; one that is refused has a message.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/cltcheckargs.h"

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "cltcheck arguments: %s\n", what);
    std::abort();
}

bool Within(double v, double low, double high) { return std::isfinite(v) && v >= low && v <= high; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words{"cltcheck", "check"};
    size_t at = 0;
    while (at <= input.size() && words.size() < 64) {
        size_t end = input.find('\n', at);
        if (end == std::string::npos) end = input.size();
        words.push_back(input.substr(at, end - at));
        at = end + 1;
    }
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(&w[0]);
    argv.push_back(nullptr);

    CltcheckOptions o;
    const std::string why = Cltcheck_Read_Options(static_cast<int>(words.size()), argv.data(), &o);
    if (!why.empty()) {
        if (why.find('\0') != std::string::npos && input.find('\0') == std::string::npos) Fail("a broken message");
        return 0;
    }
    if (o.m < 0 || o.m > 7 || o.p < 0) Fail("a product outside the catalogue");
    if (o.dir != 0 && o.dir != 1) Fail("a direction outside 0 and 1");
    if (o.service < 1 || o.service > 3 || o.duration < 0 || o.duration > 8) Fail("a class outside its range");
    if (o.span_given == o.forces_given) Fail("span and forces together or neither");
    if (o.span_given && (!Within(o.span, 1e-300, 30) || !Within(o.q, 1e-300, 500))) Fail("span or load out of range");
    if (o.forces_given && (!Within(o.M, -1e4, 1e4) || !Within(o.V, -1e4, 1e4) || (o.M == 0 && o.V == 0)))
        Fail("forces out of range");
    if (!Within(o.width, 1e-300, 1e4) || !Within(o.kmod, 1e-300, 1.1) || !Within(o.gamma_m, 1.0, 2.0) ||
        !Within(o.c, 1e-300, 2.0))
        Fail("a strength value out of range");
    if (o.kmod_given && o.duration != 8) Fail("k_mod without duration class 8");
    if (o.fire) {
        if (o.side < 0 || o.side > 3) Fail("a side outside 0 to 3");
        if (!Within(o.t_fire, 0, 240) || !Within(o.t_ch, 0, 240) || !Within(o.t_f, 0, 240) || o.t_ch > o.t_f)
            Fail("a fire time out of range");
        if (!Within(o.k2, 1e-300, 1.0) || !Within(o.k3, 1.0, 2.0)) Fail("a charring factor out of range");
    }
    return 0;
}

// The cost of the network game's cryptography (src/seal):
//   BM_Exchange          both sides of one exchange on a join code, from the codes to keys
//                        whose tags confirm and lines whose headers are taken, as a
//                        connection does it before the first view (one process does both
//                        sides' work, so a side's share of the latency is about half)
//   BM_SealOpen/N        a body of N bytes sealed by one side and opened by the other:
//                        65 is a view's body (docs/network-protocol.md), 13 a short step,
//                        65515 the largest body a 64 KiB frame can carry sealed
//   tarmigo_seal_bench --benchmark_min_time=1
#include "seal/sealed_line.h"

#include <benchmark/benchmark.h>

#include <string_view>

using namespace tarmigo::seal;

namespace {

ByteView text(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

void BM_Exchange(benchmark::State& state) {
    for (auto _ : state) {
        const Exchange guest(Role::Initiator, "K7QX3D", text("sid"), text("tarmigo"));
        const Exchange host(Role::Responder, "K7QX3D", text("sid"), text("tarmigo"));
        const std::optional<Keys> g = guest.finish(host.share());
        const std::optional<Keys> h = host.finish(guest.share());
        if (!g || !h || !h->confirms(g->ourTag) || !g->confirms(h->ourTag))
            state.SkipWithError("the exchange failed");
        SealedLine toHost(*g);
        SealedLine toGuest(*h);
        benchmark::DoNotOptimize(toHost.accept(toGuest.header()) &&
                                 toGuest.accept(toHost.header()));
    }
}
BENCHMARK(BM_Exchange)->Unit(benchmark::kMicrosecond);

void BM_SealOpen(benchmark::State& state) {
    const Exchange guest(Role::Initiator, "K7QX3D", {}, {});
    const Exchange host(Role::Responder, "K7QX3D", {}, {});
    SealedLine from(*host.finish(guest.share()));
    SealedLine to(*guest.finish(host.share()));
    to.accept(from.header());
    const Bytes body(std::size_t(state.range(0)), 0x5a);
    for (auto _ : state) {
        const std::optional<Bytes> opened = to.open(from.seal(body));
        if (!opened) state.SkipWithError("a message did not open");
        benchmark::DoNotOptimize(opened);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_SealOpen)->Arg(13)->Arg(65)->Arg(65515)->Unit(benchmark::kMicrosecond);

} // namespace

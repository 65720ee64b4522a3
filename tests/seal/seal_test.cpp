// The CPace draft's vectors (Appendix A, B.3), the two roles, and a sealed line under a
// man in the middle.
#include "seal/sealed_line.h"
#include "support/hex.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <string>

using namespace tarmigo::seal;
using tarmigo::testing::hexOf;

namespace {

Bytes unhex(std::string_view hex) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(std::uint8_t(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}
Scalar scalar(std::string_view hex) {
    Scalar out{};
    std::ranges::copy(unhex(hex), out.begin());
    return out;
}
ByteView text(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// Appendix B.3: PRS b"Password", CI and sid as below, ADa b"ADa", ADb b"ADb".
const std::string Ci = "0b415f696e69746961746f720b425f726573706f6e646572";
const std::string Sid = "7e4b4791d6a8ef019b936c79fb7f2c57";
const std::string Ya = "d6bac480f2c386c394efc7c47adb9925dcd2630b64f240c50f8d0eec482b9157";
const std::string Yb = "3ea7e0b19560d7c0b0f5734f63b955286dfa8232b5ebe63324e2d9e7433f7258";
const std::string ScalarA = "da3d23700a9e5699258aef94dc060dfda5ebb61f02a5ea77fad53f4ff0976d08";
const std::string ScalarB = "d2316b454718c35362d83d69df6320f38578ed5984651435e2949762d900b80d";

Exchange vectorSide(Role role) {
    const bool a = role == Role::Initiator;
    return Exchange(role, "Password", unhex(Sid), unhex(Ci), text(a ? "ADa" : "ADb"),
                    scalar(a ? ScalarA : ScalarB));
}

} // namespace

TEST(Seal, Ristretto255VectorsOfTheDraft) {
    const Bytes range(128, 7);
    EXPECT_EQ(hexOf(prependLen(range)).substr(0, 6) + hexOf(prependLen(text("1234"))),
              "800107"
              "0431323334");
    EXPECT_EQ(hexOf(lvCat({text("1234"), text("5"), {}, text("678")})), "043132333401350003363738");
    EXPECT_EQ(
        hexOf(generatorString(text("Password"), unhex(Ci), unhex(Sid))),
        "11435061636552697374726574746f3235350850617373776f726464" + std::string(200, '0') +
            "180b415f696e69746961746f720b425f726573706f6e646572107e4b4791d6a8ef019b936c79fb7f2c57");
    EXPECT_EQ(hexOf(generator(text("Password"), unhex(Ci), unhex(Sid))),
              "222b6b195fe84b1652badb6f6a3ae3d24341e7306967f0b8115b40d5698c7e56");
    const Exchange a = vectorSide(Role::Initiator);
    const Exchange b = vectorSide(Role::Responder);
    EXPECT_EQ(hexOf(a.share()), Ya);
    EXPECT_EQ(hexOf(b.share()), Yb);
    std::array<std::uint8_t, 32> k{}; // K (B.3.4), which the exchange keeps to itself
    ASSERT_EQ(crypto_scalarmult_ristretto255(k.data(), scalar(ScalarA).data(), b.share().data()),
              0);
    EXPECT_EQ(hexOf(k), "80b69a8a76457ab6a4d7f887a4bf6b55a2f80ac19c333f917a05fc9887c8b40f");
    const auto keysA = a.finish(b.share(), text("ADb"));
    const auto keysB = b.finish(a.share(), text("ADa"));
    ASSERT_TRUE(keysA && keysB);
    // The tags (draft 10.4) and the traffic keys (HKDF-SHA-512), as Python's hmac gives them.
    EXPECT_EQ(hexOf(keysA->ourTag).substr(0, 32) + hexOf(keysB->ourTag).substr(0, 32),
              "30478d28d83ae3b214295e91f4a3eb62e927a7da291676f8878caae9cb70407d");
    EXPECT_EQ(hexOf(keysA->sendKey).substr(0, 32) + hexOf(keysB->sendKey).substr(0, 32),
              "b3bf6d23c64527e3ed745a27b73ef0b48fc1fb20115a7cccbe32286548844497");
    for (const Keys* keys : {&*keysA, &*keysB}) {
        EXPECT_EQ(hexOf(keys->isk),
                  "b69effbf61b51d56401c0f65601abe428de8206feaaf0e32198896dcae7b35cd"
                  "2b38950a39dfd5d4a79164614c2984f7daa460b588c1e80c3fa2068af7900447");
        EXPECT_EQ(hexOf(keys->sessionIdOutput),
                  "bb1c449b35f0ea79a65c209f329a693d475e0ce2387bed9fe4b78f60b2a27c21"
                  "9813fb2cfe175ef40d2222d9261e66da7d78f7c55a303b1b8611dcdfab880c47");
    }
}

TEST(Seal, InvalidSharesOfB311AreRefused) {
    const Exchange a = vectorSide(Role::Initiator);
    for (const std::string& share :
         {std::string("2b3c6b8c4f3800e7aef6864025b4ed79bd599117e427c41bd47d93d654b4a51c"), // Y_i1
          std::string(64, '0'),                                                            // G.I
          std::string("ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff7f"),
          Yb.substr(2), Yb + "00", Ya}) // cut, long, its own
        EXPECT_FALSE(a.finish(unhex(share), text("ADb"))) << share;
    EXPECT_FALSE(Exchange(Role::Responder, "Password", {}, {}, {}, Scalar{}).finish(unhex(Ya)));
}

TEST(Seal, TheTwoRolesAgreeOnlyWithTheSameCodeAndInputs) {
    struct Row {
        const char* hostCode;
        const char* guestSid;
        const char* hostChannel; // the guest's code is ACD347, its channel "tarmigo 3"
        bool agree;
    } const rows[] = {{"ACD347", "nonce", "tarmigo 3", true},
                      {"ACD349", "nonce", "tarmigo 3", false},
                      {"acd347", "nonce", "tarmigo 3", false},
                      {"ACD347", "other", "tarmigo 3", false},
                      {"ACD347", "nonce", "tarmigo 2", false}};
    for (const Row& row : rows) {
        const Exchange guest(Role::Initiator, "ACD347", text(row.guestSid), text("tarmigo 3"));
        const Exchange host(Role::Responder, row.hostCode, text("nonce"), text(row.hostChannel),
                            text("host"));
        const auto g = guest.finish(host.share(), text("host"));
        const auto h = host.finish(guest.share());
        ASSERT_TRUE(g && h) << row.hostCode;
        EXPECT_EQ(int(h->confirms(g->ourTag)) + int(g->confirms(h->ourTag)), row.agree ? 2 : 0);
        EXPECT_EQ(g->sendKey == h->receiveKey && h->sendKey == g->receiveKey, row.agree);
        EXPECT_NE(g->sendKey, g->receiveKey);
    }
}

TEST(Seal, SealedLineRefusesAnyChangeAndEveryFailureIsFinal) {
    enum Change { None, Flip, Cut, Reflect };
    struct Step {
        int message; // which of the guest's sealed messages is delivered
        Change change = None;
    };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        std::size_t opened; // steps that open, all before the first refusal
    } const rows[] = {{"as sent", {{0}, {1}, {2}, {3}}, 4},
                      {"a flipped byte", {{0}, {1, Flip}, {2}}, 1},
                      {"a cut message", {{0, Cut}, {1}}, 0},
                      {"a dropped message", {{0}, {2}, {3}}, 1},
                      {"a replayed message", {{0}, {1}, {1}, {2}}, 2},
                      {"two swapped", {{1}, {0}}, 0},
                      {"one sent back to its sender", {{0, Reflect}}, 0},
                      {"one after the last", {{0}, {1}, {2}, {3}, {4}}, 4}};
    for (const Row& row : rows) {
        const Exchange guestSide(Role::Initiator, "ACD347", text("nonce"), {});
        const Exchange hostSide(Role::Responder, "ACD347", text("nonce"), {});
        SealedLine guest(*guestSide.finish(hostSide.share()));
        SealedLine host(*hostSide.finish(guestSide.share()));
        ASSERT_TRUE(guest.accept(host.header()) && host.accept(guest.header()));
        std::vector<Bytes> sent(5);
        for (int i = 0; i < 5; ++i) sent[i] = guest.seal(text("view " + std::to_string(i)), i == 3);
        EXPECT_EQ(sent[0].size(), sealedSize(6));
        std::size_t opened = 0;
        for (const Step& step : row.steps) {
            Bytes bytes = sent[step.message];
            if (step.change == Flip) bytes[bytes.size() / 2] ^= 0x01;
            if (step.change == Cut) bytes.pop_back();
            std::string reason;
            const auto body = (step.change == Reflect ? guest : host).open(bytes, &reason);
            EXPECT_EQ(body.has_value(), reason.empty());
            if (body && opened++ == std::size_t(&step - row.steps.data())) {
                EXPECT_EQ(std::string(body->begin(), body->end()),
                          "view " + std::to_string(step.message));
            }
        }
        EXPECT_EQ(opened, row.opened) << row.name;
    }
}

TEST(Seal, SealedLineTakesOneHeaderOfTheRightSize) {
    const Exchange a(Role::Initiator, "ACD347", {}, {});
    const Keys keys = *a.finish(Exchange(Role::Responder, "ACD347", {}, {}).share());
    SealedLine early(keys);
    SealedLine twice(keys);
    std::string reason;
    EXPECT_FALSE(early.open(early.seal(text("hello")), &reason));
    EXPECT_EQ(reason, "a sealed message before the other side's stream header");
    EXPECT_FALSE(SealedLine(keys).accept(ByteView(twice.header()).first(HeaderBytes - 1)));
    EXPECT_TRUE(twice.accept(early.header()));
    EXPECT_FALSE(twice.accept(early.header()));
    EXPECT_TRUE(twice.failed());
    EXPECT_EQ(largestBody(65532), 65515u);
}

#include "shell/password.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrin::shell {
namespace {

std::string hexDigest(std::string_view text) {
    const Sha256Digest d = sha256(text);
    return toHex(std::string_view(reinterpret_cast<const char*>(d.data()), d.size()));
}

TEST(Sha256, KnownDigests) {
    struct Case {
        std::string text;
        std::string digest;
    };
    const Case cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the first block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"},
    };
    for (const auto& c : cases) EXPECT_EQ(hexDigest(c.text), c.digest) << c.text.size();
}

// "Kv密码9" in each form the program reads: its own, one hashed at other costs (a value kept
// from before the costs were changed) and the salted SHA-256 of earlier builds.
std::vector<std::string> storedForms() {
    return {makeStoredPassword("Kv密码9").value(),
            "$argon2id$v=19$m=64,t=1,p=1$Ep4k2YxxbH3F7cpFEbHn6w$Sui3BOxtdTrgew6DeRG/NiaGHioB5KfjttNhiaSnNEg",
            "h1$0102feff$46e4f95592758539089790f7d71b594484aa17a9f7f61f1f79bd7c8044fa566b"};
}

TEST(StoredPassword, IsAnArgon2idHashThatHoldsNoPassword) {
    const std::string stored = makeStoredPassword("Kv密码9").value();
    EXPECT_TRUE(stored.starts_with("$argon2id$")) << stored;
    EXPECT_EQ(stored.find("Kv"), std::string::npos);
}

TEST(StoredPassword, EveryFormReadMatchesOnlyTheExactText) {
    struct Case {
        std::string typed;
        bool opens;
    };
    const Case cases[] = {{"Kv密码9", true}, {"kv密码9", false}, {"Kv密码", false}, {"Kv密码99", false}, {"", false}};
    for (const std::string& stored : storedForms()) {
        for (const auto& c : cases) EXPECT_EQ(passwordMatches(stored, c.typed), c.opens) << stored << " / " << c.typed;
    }
}

TEST(StoredPassword, FreshSaltsDifferAndEmptyMeansNone) {
    const std::string a = makeStoredPassword("abc").value();
    const std::string b = makeStoredPassword("abc").value();
    EXPECT_NE(a, b);
    EXPECT_TRUE(passwordMatches(a, "abc"));
    EXPECT_TRUE(passwordMatches(b, "abc"));
    EXPECT_EQ(makeStoredPassword(""), "");
    EXPECT_FALSE(isPasswordSet(""));
}

TEST(StoredPassword, AValueInNeitherFormStillAsksAndMatchesNothing) {
    const std::string sha256Form = "h1$73616c74$c9ef43a03d58f2cb9b0c4b069c179595739f5181a5565c8db5dbb124564ea819";
    ASSERT_TRUE(passwordMatches(sha256Form, "x"));
    const std::string argon2Form = makeStoredPassword("x").value();
    const std::string damaged[] = {
        "x",
        "h1$",
        "h1$zz$" + std::string(64, '0'),
        sha256Form.substr(0, sha256Form.size() - 1),
        "h1$73616c74",
        "$argon2id$",
        argon2Form.substr(0, argon2Form.size() - 1),
        argon2Form + std::string(200, 'A'),
    };
    for (const std::string& stored : damaged) {
        EXPECT_TRUE(isPasswordSet(stored)) << stored;
        EXPECT_FALSE(passwordMatches(stored, "x")) << stored;
        EXPECT_FALSE(passwordMatches(stored, stored)) << stored;
    }
}

}  // namespace
}  // namespace kestrin::shell

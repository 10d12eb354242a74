// CRegistryKey against the real registry of the test prefix.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestRegistry.h"
#include "session/CRegistryKey.h"

namespace {

class RegistryKeyTest : public ::testing::Test {
protected:
    RegistryKeyTest() : m_scope(HKEY_CURRENT_USER, "Software\\SetupTests\\RegistryKey") {}

    std::string Sub(const std::string& relative) const { return m_scope.Path() + "\\" + relative; }
    // A key object selected on the test's own key (created first).
    void SelectOwnKey(CRegistryKey& key) const
    {
        ASSERT_TRUE(testreg::CreateKey(HKEY_CURRENT_USER, m_scope.Path()));
        ASSERT_TRUE(key.SelectKey(m_scope.Path().c_str(), FALSE));
    }

    testreg::ScopedKey m_scope;
};

TEST_F(RegistryKeyTest, ConstructionAndResetGiveTheDefaults)
{
    CRegistryKey key;
    EXPECT_EQ(key.RootKey(), HKEY_CURRENT_USER);
    EXPECT_STREQ(key.KeyPath(), "");
    EXPECT_EQ(key.LastResult(), 0);

    ASSERT_TRUE(key.SetRootKey(HKEY_LOCAL_MACHINE));
    ASSERT_TRUE(key.SelectKey("Software", FALSE));
    key.Reset();
    EXPECT_EQ(key.RootKey(), HKEY_CURRENT_USER);
    EXPECT_STREQ(key.KeyPath(), "");
}

TEST_F(RegistryKeyTest, SetRootKeyAcceptsOnlyThePredefinedRoots)
{
    struct Case {
        HKEY root;
        BOOL accepted;
        const char* label;
    };
    const Case cases[] = {
        {HKEY_CLASSES_ROOT, TRUE, "HKEY_CLASSES_ROOT"},   {HKEY_CURRENT_USER, TRUE, "HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, TRUE, "HKEY_LOCAL_MACHINE"}, {HKEY_USERS, TRUE, "HKEY_USERS"},
        {HKEY_CURRENT_CONFIG, FALSE, "HKEY_CURRENT_CONFIG"}, {HKEY_PERFORMANCE_DATA, FALSE, "HKEY_PERFORMANCE_DATA"},
        {nullptr, FALSE, "null"}, {reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), FALSE, "0x1234"},
    };
    for (const Case& c : cases) {
        CRegistryKey key;
        ASSERT_TRUE(key.SetRootKey(HKEY_USERS));
        EXPECT_EQ(key.SetRootKey(c.root), c.accepted) << c.label;
        EXPECT_EQ(key.RootKey(), c.accepted ? c.root : HKEY_USERS) << c.label << ": root after a refused handle";
    }
}

TEST_F(RegistryKeyTest, SelectKeyWithEmptyPathActsOnTheRootItself)
{
    testreg::SetString(HKEY_CURRENT_USER, "", "SetupTestsRootValue", "on the root");
    CRegistryKey key;
    ASSERT_TRUE(key.SelectKey(m_scope.Path().c_str(), TRUE));
    EXPECT_TRUE(key.SelectKey("", FALSE));
    EXPECT_STREQ(key.KeyPath(), "");
    EXPECT_STREQ(key.ReadString("SetupTestsRootValue", "default"), "on the root");
    EXPECT_TRUE(key.DeleteValue("SetupTestsRootValue"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, "", "SetupTestsRootValue"));
}

TEST_F(RegistryKeyTest, SelectKeyOfAMissingKeyFailsAndKeepsThePreviousPath)
{
    CRegistryKey key;
    SelectOwnKey(key);
    std::string missing = Sub("Missing\\Deeper");
    EXPECT_FALSE(key.SelectKey(missing.c_str(), FALSE));
    EXPECT_EQ(key.LastResult(), ERROR_FILE_NOT_FOUND);
    EXPECT_STREQ(key.KeyPath(), m_scope.Path().c_str()) << "a failed select keeps the previous path";
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, Sub("Missing")));
}

TEST_F(RegistryKeyTest, SelectKeyWithCreateMakesMissingIntermediateKeys)
{
    CRegistryKey key;
    std::string deep = Sub("A\\B\\C");
    EXPECT_TRUE(key.SelectKey(deep.c_str(), TRUE));
    EXPECT_STREQ(key.KeyPath(), deep.c_str());
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, Sub("A")));
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, deep));
}

TEST_F(RegistryKeyTest, ReadStringReturnsStringValuesAndTheDefaultForEverythingElse)
{
    struct Case {
        const char* label;
        DWORD type;
        std::vector<unsigned char> data;  // empty: the value is not written
        std::string expected;
    };
    auto text = [](const std::string& s) {
        std::vector<unsigned char> bytes(s.begin(), s.end());
        bytes.push_back(0);
        return bytes;
    };
    const std::string chars254(254, 'a');
    const std::string chars255(255, 'b');
    const std::string chars300(300, 'c');
    const std::vector<Case> cases = {
        {"plain string", REG_SZ, text("C:\\Program Files"), "C:\\Program Files"},
        {"empty string", REG_SZ, text(""), ""},
        {"expandable string stays unexpanded", REG_EXPAND_SZ, text("%SystemRoot%\\x"), "%SystemRoot%\\x"},
        {"254 characters fit the buffer", REG_SZ, text(chars254), chars254},
        {"255 characters do not", REG_SZ, text(chars255), "default"},
        {"300 characters do not", REG_SZ, text(chars300), "default"},
        {"number", REG_DWORD, {1, 0, 0, 0}, "default"},
        {"binary", REG_BINARY, {'a', 'b', 0}, "default"},
        {"multi-string", REG_MULTI_SZ, testreg::MultiString({"a", "b"}), "default"},
        {"missing value", REG_SZ, {}, "default"},
    };
    CRegistryKey key;
    SelectOwnKey(key);
    int n = 0;
    for (const Case& c : cases) {
        std::string name = "value" + std::to_string(n++);
        if (!c.data.empty()) {
            ASSERT_TRUE(testreg::SetBytes(HKEY_CURRENT_USER, m_scope.Path(), name, c.type, c.data)) << c.label;
        }
        EXPECT_STREQ(key.ReadString(name.c_str(), "default"), c.expected.c_str()) << c.label;
    }
}

TEST_F(RegistryKeyTest, ReadNumberTakesFourBytesWhateverTheType)
{
    struct Case {
        const char* label;
        DWORD type;
        std::vector<unsigned char> data;
        DWORD expected;
    };
    const std::vector<Case> cases = {
        {"number", REG_DWORD, {0x2A, 0, 0, 0}, 42},
        {"missing value", REG_DWORD, {}, 77},
        {"string longer than 4 bytes", REG_SZ, {'a', 'b', 'c', 'd', 0}, 77},
        {"string of exactly 4 bytes reads as its bytes", REG_SZ, {'a', 'b', 'c', 0}, 0x00636261},
        {"8 binary bytes", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8}, 77},
    };
    CRegistryKey key;
    SelectOwnKey(key);
    int n = 0;
    for (const Case& c : cases) {
        std::string name = "number" + std::to_string(n++);
        if (!c.data.empty()) {
            ASSERT_TRUE(testreg::SetBytes(HKEY_CURRENT_USER, m_scope.Path(), name, c.type, c.data)) << c.label;
        }
        EXPECT_EQ(key.ReadNumber(name.c_str(), 77), c.expected) << c.label;
    }
}

TEST_F(RegistryKeyTest, ReadBinaryCopiesTheRawBytesOfAnyType)
{
    CRegistryKey key;
    SelectOwnKey(key);
    std::vector<unsigned char> multi = testreg::MultiString({"PTRFILTR.SYS", "other.sys"});
    testreg::SetBytes(HKEY_CURRENT_USER, m_scope.Path(), "multi", REG_MULTI_SZ, multi);
    BYTE buffer[260];
    memset(buffer, 0xCC, sizeof buffer);
    ASSERT_EQ(key.ReadBinary("multi", buffer), multi.size());
    EXPECT_EQ(std::vector<unsigned char>(buffer, buffer + multi.size()), multi);
    EXPECT_STREQ(reinterpret_cast<char*>(buffer), "PTRFILTR.SYS") << "the first string comes first";
    EXPECT_EQ(buffer[multi.size()], 0xCC) << "nothing beyond the value is written";

    std::vector<unsigned char> tooLong(256, 7);
    testreg::SetBytes(HKEY_CURRENT_USER, m_scope.Path(), "long", REG_BINARY, tooLong);
    memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(key.ReadBinary("long", buffer), 0u) << "256 bytes exceed the 255 the class reads";
    EXPECT_EQ(key.ReadBinary("missing", buffer), 0u);
    EXPECT_EQ(buffer[0], 0xCC) << "a failed read leaves the destination as it was";
}

TEST_F(RegistryKeyTest, WriteStringStoresTheTerminatorAndRefusesLongTexts)
{
    CRegistryKey key;
    SelectOwnKey(key);
    const std::string chars254(254, 'x');
    EXPECT_TRUE(key.WriteString("text", chars254.c_str()));
    EXPECT_EQ(testreg::ReadBytes(HKEY_CURRENT_USER, m_scope.Path(), "text").size(), 255u);
    EXPECT_EQ(testreg::ValueType(HKEY_CURRENT_USER, m_scope.Path(), "text"), static_cast<DWORD>(REG_SZ));

    const std::string chars255(255, 'y');
    EXPECT_FALSE(key.WriteString("text", chars255.c_str()));
    EXPECT_EQ(testreg::ReadString(HKEY_CURRENT_USER, m_scope.Path(), "text"), chars254)
        << "a refused write leaves the stored value unchanged";

    EXPECT_TRUE(key.WriteString("empty", ""));
    EXPECT_EQ(testreg::ReadBytes(HKEY_CURRENT_USER, m_scope.Path(), "empty").size(), 1u);
}

TEST_F(RegistryKeyTest, WritesNeverCreateKeys)
{
    CRegistryKey key;
    ASSERT_TRUE(key.SelectKey(Sub("Exists").c_str(), TRUE));
    testreg::DeleteTree(HKEY_CURRENT_USER, Sub("Exists"));
    EXPECT_FALSE(key.WriteString("a", "b"));
    EXPECT_FALSE(key.WriteNumber("n", 5));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, Sub("Exists")));
}

TEST_F(RegistryKeyTest, WriteNumberStoresADword)
{
    CRegistryKey key;
    SelectOwnKey(key);
    EXPECT_TRUE(key.WriteNumber("count", 0xDEADBEEF));
    EXPECT_EQ(testreg::ValueType(HKEY_CURRENT_USER, m_scope.Path(), "count"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(testreg::ReadNumber(HKEY_CURRENT_USER, m_scope.Path(), "count", 0), 0xDEADBEEFu);
    EXPECT_EQ(key.ReadNumber("count", 0), 0xDEADBEEFu);
}

TEST_F(RegistryKeyTest, GetValueTypeReportsTheTypeOrZero)
{
    CRegistryKey key;
    SelectOwnKey(key);
    testreg::SetString(HKEY_CURRENT_USER, m_scope.Path(), "s", "x");
    testreg::SetString(HKEY_CURRENT_USER, m_scope.Path(), "e", "%x%", REG_EXPAND_SZ);
    testreg::SetNumber(HKEY_CURRENT_USER, m_scope.Path(), "d", 1);
    testreg::SetBytes(HKEY_CURRENT_USER, m_scope.Path(), "m", REG_MULTI_SZ, testreg::MultiString({"a"}));
    EXPECT_EQ(key.GetValueType("s"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(key.GetValueType("e"), static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(key.GetValueType("d"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(key.GetValueType("m"), static_cast<DWORD>(REG_MULTI_SZ));
    EXPECT_EQ(key.GetValueType("missing"), 0u);
    EXPECT_EQ(key.LastResult(), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryKeyTest, DeleteKeyCountsAMissingKeyAsDeleted)
{
    CRegistryKey key;
    EXPECT_TRUE(key.DeleteKey(Sub("NeverThere").c_str()));

    testreg::CreateKey(HKEY_CURRENT_USER, Sub("Leaf"));
    EXPECT_TRUE(key.DeleteKey(Sub("Leaf").c_str()));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, Sub("Leaf")));
}

TEST_F(RegistryKeyTest, DeleteKeyIsOneCallWithTheSystemsRuleForSubkeys)
{
    testreg::CreateKey(HKEY_CURRENT_USER, Sub("Parent\\Child"));
    CRegistryKey key;
    // The class adds no recursion: a key with subkeys cannot be deleted in one call.
    EXPECT_FALSE(key.DeleteKey(Sub("Parent").c_str()));
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, Sub("Parent\\Child")));
}

TEST_F(RegistryKeyTest, DeleteKeyIsRelativeToTheRootNotTheSelectedKey)
{
    testreg::CreateKey(HKEY_CURRENT_USER, Sub("Sibling"));
    CRegistryKey key;
    SelectOwnKey(key);
    EXPECT_TRUE(key.DeleteKey("Sibling")) << "a path missing under the root counts as deleted";
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, Sub("Sibling")));
}

TEST_F(RegistryKeyTest, DeleteValueReportsWhetherAValueWentAway)
{
    CRegistryKey key;
    SelectOwnKey(key);
    testreg::SetString(HKEY_CURRENT_USER, m_scope.Path(), "gone", "x");
    EXPECT_TRUE(key.DeleteValue("gone"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, m_scope.Path(), "gone"));
    EXPECT_FALSE(key.DeleteValue("gone"));

    testreg::DeleteTree(HKEY_CURRENT_USER, m_scope.Path());
    EXPECT_FALSE(key.DeleteValue("gone")) << "a key that no longer exists";
}

TEST_F(RegistryKeyTest, KeyExistsUsesTheGivenRootOrTheObjectsOwn)
{
    CRegistryKey key;
    EXPECT_TRUE(key.KeyExists("Software", HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(key.KeyExists("Software", nullptr));
    EXPECT_FALSE(key.KeyExists("Software\\SetupTests\\NoSuchKey", nullptr));
    ASSERT_TRUE(key.SetRootKey(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(key.KeyExists("System\\CurrentControlSet\\Control\\ProductOptions", nullptr));
    EXPECT_FALSE(key.KeyExists("System\\CurrentControlSet\\Control\\ProductOptions", HKEY_CURRENT_USER));
}

}  // namespace

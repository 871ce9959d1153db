#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ServerFixture.h"
#include "server/LateBinding.h"
#include "server/OwnedValues.h"

namespace kestrane::server {
namespace {

struct NameCase {
  std::u16string name;
  DISPID id;
};

class MethodNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(MethodNameTest, FindsTheInterfaceMethodInAnyLetterCase) {
  const MethodInfo* method = FindMethod(GetParam().name);
  ASSERT_NE(method, nullptr);
  EXPECT_EQ(static_cast<DISPID>(method->id), GetParam().id);
  EXPECT_EQ(FindMethod(GetParam().id), method);
}

// The dispatch identifiers are those of the interface, in its order.
INSTANTIATE_TEST_SUITE_P(Interface, MethodNameTest,
                         testing::Values(NameCase{u"ReLoad", 1}, NameCase{u"getbig5data", 2},
                                         NameCase{u"GETGBDATA", 3}, NameCase{u"GBtoBIG5", 4},
                                         NameCase{u"big5togb", 5}, NameCase{u"saveOrder", 6},
                                         NameCase{u"Disconnect", 7}, NameCase{u"VERSION", 8}));

TEST(MethodNameTest, UnknownNamesAndIdentifiersFindNothing) {
  EXPECT_EQ(FindMethod(u"GBtoBIG"), nullptr);
  EXPECT_EQ(FindMethod(u"GBtoBIG5x"), nullptr);
  EXPECT_EQ(FindMethod(u""), nullptr);
  EXPECT_EQ(FindMethod(DISPID{0}), nullptr);
  EXPECT_EQ(FindMethod(DISPID{9}), nullptr);
}

class LateBindingTest : public test::ServerFixture, public testing::WithParamInterface<MethodInfo> {
 protected:
  LateBindingTest() { WriteLanguage("[BIG5]\r\n[GB]\r\n"); }

  // Empty variants read as empty text, which every method takes.
  HRESULT InvokeWith(std::size_t argumentCount, VARIANT* result) {
    std::vector<VARIANT> arguments(argumentCount);
    return Invoke(object_, static_cast<DISPID>(GetParam().id), arguments, result, nullptr);
  }
};

TEST_P(LateBindingTest, CallsEveryMethodWithItsNumberOfArguments) {
  OwnedVariant result;
  EXPECT_EQ(InvokeWith(GetParam().inputCount, result.get()), S_OK);
  EXPECT_EQ(result->vt != VT_EMPTY, GetParam().resultType != ResultType::None);
  EXPECT_EQ(InvokeWith(GetParam().inputCount + 1, nullptr), DISP_E_BADPARAMCOUNT);
}

INSTANTIATE_TEST_SUITE_P(Interface, LateBindingTest, testing::ValuesIn(kMethods),
                         [](const testing::TestParamInfo<MethodInfo>& method) {
                           return std::string(method.param.name);
                         });

class InvokeTest : public test::ServerFixture {};

TEST_F(InvokeTest, UnknownIdentifierIsNotAMember) {
  EXPECT_EQ(Invoke(object_, 0, {}, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Invoke(object_, 9, {}, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
}

TEST_F(InvokeTest, VersionArrivesAsAStringVariant) {
  OwnedVariant result;
  EXPECT_EQ(Invoke(object_, static_cast<DISPID>(DispId::Version), {}, result.get(), nullptr), S_OK);
  ASSERT_EQ(result->vt, VT_BSTR);
  EXPECT_EQ(TextOf(result->bstrVal), u"1.0");
}

TEST_F(InvokeTest, FailureArrivesAsADispatchExceptionWithItsMessage) {
  VARIANT null{};
  null.vt = VT_NULL;
  OwnedVariant result;
  DispatchException exception;
  EXPECT_EQ(
      Invoke(object_, static_cast<DISPID>(DispId::GBtoBIG5), {&null, 1}, result.get(), &exception),
      DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, DISP_E_TYPEMISMATCH);
  EXPECT_EQ(exception.description, u"Cannot convert a value of type Null to text");
  EXPECT_EQ(result->vt, VT_EMPTY);
}

}  // namespace
}  // namespace kestrane::server

// Many threads on automation objects at once, each thread with objects of its own as clients
// in different apartments have them: conversions in both directions beside ReLoad and
// SaveOrder. Every conversion sees one state the tables passed through, none misses a save
// completed before it began, and the file keeps every save.
#include <gtest/gtest.h>

#include "StressCheck.h"
#include "StressWorkload.h"
#include "platform/CodePage.h"
#include "server/OwnedValues.h"
#include "server/TClass1.h"

namespace kestrane::test {
namespace {

using server::OwnedVariant;
using server::TClass1;

// Text in the ANSI code page 936 that the host reports, as a client passes it.
void SetText(OwnedVariant& variant, const std::string& bytes) {
  server::MakeText(variant.get(), platform::ToUtf16(platform::kCodePageGB, bytes));
}

bool IsTrue(server::HRESULT result, OwnedVariant& value) {
  return server::SUCCEEDED(result) && value->vt == server::VT_BOOL &&
         value->boolVal == server::VARIANT_TRUE;
}

class Class1Target : public StressTarget {
 public:
  std::string GBtoBIG5(const std::string& gb) override { return Convert(&TClass1::GBtoBIG5, gb); }
  std::string BIG5toGB(const std::string& big5) override {
    return Convert(&TClass1::BIG5toGB, big5);
  }

  bool ReLoad() override {
    OwnedVariant result;
    return IsTrue(TClass1().ReLoad(result.get()), result);
  }

  bool SaveOrder(const std::string& big5Char, const std::string& big5Code,
                 const std::string& gbChar, const std::string& gbCode) override {
    OwnedVariant arguments[4];
    SetText(arguments[0], big5Char);
    SetText(arguments[1], big5Code);
    SetText(arguments[2], gbChar);
    SetText(arguments[3], gbCode);
    OwnedVariant result;
    return IsTrue(TClass1().SaveOrder(arguments[0].get(), arguments[1].get(), arguments[2].get(),
                                      arguments[3].get(), result.get()),
                  result);
  }

 private:
  // The result's bytes as the client narrows them; nothing when the call fails.
  static std::string Convert(server::HRESULT (TClass1::*method)(server::VARIANT*, server::VARIANT*),
                             const std::string& bytes) {
    OwnedVariant input;
    SetText(input, bytes);
    OwnedVariant output;
    if (server::FAILED((TClass1().*method)(input.get(), output.get()))) return {};
    return platform::FromUtf16(platform::kCodePageGB, server::TextOf(output->bstrVal));
  }
};

TEST(Class1StressTest, EveryResultIsOneStateAndNoSaveIsLost) {
  Class1Target target;
  CheckStress(target);
}

}  // namespace
}  // namespace kestrane::test

#include "ServerFixture.h"

#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "server/OwnedValues.h"

namespace kestrane::test {

std::vector<std::int32_t> ServerFixture::GBData() {
  server::OwnedVariant table;
  EXPECT_EQ(object_.GetGBData(table.get()), server::S_OK);
  return table->vt == server::VT_EMPTY ? std::vector<std::int32_t>{} : IntElements(*table);
}

std::u16string AnsiText(std::string_view bytes) {
  return platform::ToUtf16(platform::Current().AnsiCodePage(), bytes);
}

std::string AnsiBytes(const server::VARIANT& text) {
  EXPECT_EQ(text.vt, server::VT_BSTR);
  return platform::FromUtf16(platform::Current().AnsiCodePage(), server::TextOf(text.bstrVal));
}

std::int32_t UpperBound(const server::VARIANT& array) {
  EXPECT_EQ(array.vt, server::VT_ARRAY | server::VT_VARIANT);
  const auto& bound = array.parray->rgsabound[0];
  return bound.lLbound + static_cast<std::int32_t>(bound.cElements) - 1;
}

std::vector<std::int32_t> IntElements(const server::VARIANT& array) {
  EXPECT_EQ(array.parray->rgsabound[0].lLbound, 0);
  const auto* elements = static_cast<const server::VARIANT*>(array.parray->pvData);
  std::vector<std::int32_t> values;
  for (std::uint32_t i = 0; i < array.parray->rgsabound[0].cElements; ++i) {
    EXPECT_EQ(elements[i].vt, server::VT_I4);
    values.push_back(elements[i].lVal);
  }
  return values;
}

}  // namespace kestrane::test

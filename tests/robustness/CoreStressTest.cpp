// Many threads on the core's functions at once: conversions in both directions beside loads
// and saves. Every conversion sees one state the tables passed through, none misses a save
// completed before it began, and the file keeps every save.
#include <gtest/gtest.h>

#include "StressCheck.h"
#include "StressWorkload.h"
#include "core/MappingEdit.h"
#include "core/TableFile.h"
#include "core/Tables.h"

namespace kestrane::test {
namespace {

class CoreTarget : public StressTarget {
 public:
  std::string GBtoBIG5(const std::string& gb) override { return core::ConvertGBtoBIG5(gb); }
  std::string BIG5toGB(const std::string& big5) override { return core::ConvertBIG5toGB(big5); }
  bool ReLoad() override { return core::LoadLanguage(); }
  bool SaveOrder(const std::string& big5Char, const std::string& big5Code,
                 const std::string& gbChar, const std::string& gbCode) override {
    return core::SaveCodeOrder(big5Char, big5Code, gbChar, gbCode);
  }
};

TEST(CoreStressTest, EveryResultIsOneStateAndNoSaveIsLost) {
  CoreTarget target;
  CheckStress(target);
}

}  // namespace
}  // namespace kestrane::test

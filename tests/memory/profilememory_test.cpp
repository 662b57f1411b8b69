// Running out of memory while a profile is read: wherever an allocation fails, the profile is
// refused, and the program goes on.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "memory/allocationlimit.h"
#include "model/profile.h"

namespace tabrin::model {
namespace {

TEST(ProfileMemory, EveryFailingAllocationWhileLoadingIsReported) {
    const std::filesystem::path file = TEST_DATA_DIR "/profiles/objects.xml";
    app::Translator translator;
    Profile profile(translator, app::Language::Russian);
    std::size_t allowed = 0;
    for (;; ++allowed) {
        SCOPED_TRACE(allowed);
        test::failAllocationAfter(allowed);
        const TOperationResult result = profile.load(file);
        const bool failed = test::allocationFailed();
        test::stopFailingAllocations();
        if (!failed) {
            ASSERT_EQ(result.code, 0);
            break;
        }
        ASSERT_EQ(result.code, 3);
        ASSERT_EQ(result.message, u"Unable to allocate memory");
        ASSERT_TRUE(profile.configurations.empty());
    }
    EXPECT_EQ(profile.configurations.at(0).objects.size(), 6u);
}

}  // namespace
}  // namespace tabrin::model

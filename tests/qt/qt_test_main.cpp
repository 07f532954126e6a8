// GoogleTest over one QApplication, made only when tests run (listing them
// needs no platform). Without a platform named, Qt's offscreen one: the
// widgets are real, no display is needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

int argc = 1;
char name[] = "window_tests";
char* argv[] = {name, nullptr};

class QtApplication : public ::testing::Environment {
   public:
    void SetUp() override { application_ = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { application_.reset(); }

   private:
    std::unique_ptr<QApplication> application_;
};

}  // namespace

int main(int count, char** arguments)
{
    ::testing::InitGoogleTest(&count, arguments);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::AddGlobalTestEnvironment(new QtApplication);
    return RUN_ALL_TESTS();
}

#pragma once

#include <QObject>

#include <functional>
#include <memory>

// Every test class of an executable registers itself; the shared main() (testmain.cpp) runs
// them in turn, offscreen unless QT_QPA_PLATFORM says otherwise.
namespace testsupport {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
void registerTest(const char *className, TestFactory factory);

enum class Stage { BeforeApp, AfterApp };
// Set-up of the whole executable: BeforeApp for the environment Qt reads when it starts.
void registerSetup(Stage stage, void (*setup)());

template<typename T> struct TestRegistration
{
    explicit TestRegistration(const char *className)
    {
        registerTest(className, [] { return std::make_unique<T>(); });
    }
};

struct SetupRegistration
{
    SetupRegistration(Stage stage, void (*setup)()) { registerSetup(stage, setup); }
};

} // namespace testsupport

#define VELMORA_REGISTER_TEST(Class)                                                               \
    static const testsupport::TestRegistration<Class> registration##Class(#Class)
#define VELMORA_TEST_SETUP(when, function)                                                         \
    static const testsupport::SetupRegistration setup##function(testsupport::Stage::when, function)

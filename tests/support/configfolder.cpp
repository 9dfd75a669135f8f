#include "configfolder.h"

#include <cstdlib>

SavedVariable::SavedVariable(const char* name) : name_(name)
{
    if (const char* value = std::getenv(name))
        value_ = value;
}

SavedVariable::~SavedVariable()
{
    if (value_)
        setenv(name_, value_->c_str(), 1);
    else
        unsetenv(name_);
}

ConfigFolder::ConfigFolder()
{
    setenv("XDG_CONFIG_HOME", folder_.Path().c_str(), 1);
}

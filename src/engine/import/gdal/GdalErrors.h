#pragma once

#include <cpl_error.h>
#include <gdal.h>

#include <mutex>
#include <string>

namespace vistagon {

inline void RegisterGdalDrivers()
{
    static std::once_flag once;
    std::call_once(once, [] { GDALAllRegister(); });
}

// GDAL's messages would go to stderr between our own; they are collected here instead.
class QuietErrors {
public:
    QuietErrors()
    {
        CPLPushErrorHandler(CPLQuietErrorHandler);
        CPLErrorReset();
    }
    ~QuietErrors() { CPLPopErrorHandler(); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

    static std::string LastMessage()
    {
        const char* text = CPLGetLastErrorMsg();
        return text != nullptr && *text != '\0' ? text : "GDAL gave no reason.";
    }
};

}  // namespace vistagon

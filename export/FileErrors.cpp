#include "FileErrors.h"

FileCreateError::FileCreateError(const std::string& path)
    : FileError(std::string(kBefore) + path + std::string(kAfter)), path_(path)
{
}

StreamWriteError::StreamWriteError() : FileError("ｽﾄﾘｰﾑへの書き込みｴﾗｰ") {}

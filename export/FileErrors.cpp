#include "FileErrors.h"

FileCreateError::FileCreateError(const std::string& path)
    : FileError("ﾌｧｲﾙ " + path + " を作成できません"), path_(path)
{
}

StreamWriteError::StreamWriteError() : FileError("ｽﾄﾘｰﾑへの書き込みｴﾗｰ") {}

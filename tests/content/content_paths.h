#pragma once

#include <QString>

// Where the build put the content, where its sources are and the tool that made it.
inline QString RuntimeDir() { return QStringLiteral(ZERU_RUNTIME_DIR); }
inline QString ContentDataDir() { return QStringLiteral(ZERU_CONTENT_DATA_DIR); }
inline QString ContentTool() { return QStringLiteral(ZERU_CONTENT_TOOL); }

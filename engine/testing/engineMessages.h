// Whether a text is one the engine writes into the error buffer, the texts
// taken from the engine itself.
#ifndef QUORIN_ENGINE_MESSAGES_H
#define QUORIN_ENGINE_MESSAGES_H

#include <string>

namespace quorin {

bool isEngineMessage(const std::string& error);

} // namespace quorin

#endif

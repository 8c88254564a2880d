#include "about_logic.h"

namespace about {

Decision Decide(unsigned message, unsigned command_id) {
  if (message == close_message) return {true, true, 1};
  if (message == command_message) {
    if (command_id == ok_id) return {true, true, 1};
    return {true, false, 0};
  }
  return {false, false, 0};
}

}  // namespace about

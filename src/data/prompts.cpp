#include "prompts.h"

#include "errors.h"

bool guarded(Prompts& prompts, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const UserError& e) {
        prompts.error(e.text());
    } catch (const std::exception& e) {
        prompts.error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

#include "UnoLoadInteraction.h"

#include <com/sun/star/task/PasswordRequest.hpp>
#include <com/sun/star/task/XInteractionAbort.hpp>

using namespace css;

void SAL_CALL UnoLoadInteraction::handle(const uno::Reference<task::XInteractionRequest> &request)
{
    if (!request.is())
        return;
    // Every password question of the office (its own and the Microsoft formats') is a
    // PasswordRequest.
    task::PasswordRequest password;
    if (request->getRequest() >>= password)
        m_passwordAsked = true;
    const uno::Sequence<uno::Reference<task::XInteractionContinuation>> continuations = request->getContinuations();
    for (const uno::Reference<task::XInteractionContinuation> &continuation : continuations) {
        if (uno::Reference<task::XInteractionAbort>(continuation, uno::UNO_QUERY).is()) {
            continuation->select();
            return;
        }
    }
}

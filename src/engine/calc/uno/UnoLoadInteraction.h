#pragma once

#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

// Answers the questions the office asks while loading a document, since nobody may
// answer them in a hidden run: every one is aborted (the office then gives no
// document), and a question for a password is remembered, so that the failure can say
// the document is password-protected instead of damaged.
class UnoLoadInteraction : public cppu::WeakImplHelper1<css::task::XInteractionHandler>
{
public:
    void SAL_CALL handle(const css::uno::Reference<css::task::XInteractionRequest> &request) override;

    bool passwordAsked() const { return m_passwordAsked; }

private:
    bool m_passwordAsked = false;
};

#pragma once

#include "platform/MessageBoxes.h"
#include "storage/RecordFile.h"

#include <exception>
#include <utility>

class QWidget;

// Runs one user action that touches files. Any failure stops it and shows
// failureMessage as a box of the given style (a file refused for its size
// names itself instead); the action must change what the window shows only
// after its reads and writes have succeeded, so that a failure leaves the
// window as it was. Returns true when the action completed.
template<typename Action>
bool runFileAction(MessageBoxes &messages, QWidget *owner, MessageBoxes::Style failureStyle,
    const QString &failureMessage, Action &&action)
{
    try {
        action();
        return true;
    } catch (const OversizedFileError &refused) {
        messages.show(failureStyle, owner, refused.message());
        return false;
    } catch (const std::exception &) {
        messages.show(failureStyle, owner, failureMessage);
        return false;
    }
}

/// The same for an action on the archives, whose failures show the access message.
template<typename Action>
bool runFileAction(MessageBoxes &messages, QWidget *owner, MessageBoxes::Style failureStyle, Action &&action)
{
    return runFileAction(messages, owner, failureStyle, accessMessage(), std::forward<Action>(action));
}

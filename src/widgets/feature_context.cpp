#include "widgets/feature_context.h"

#include "foundation/messages/message_table.h"

#include <QAction>
#include <QMenu>

FeatureContext::FeatureContext(QWidget* window, QsciScintilla* editor, EditorBuffer& buffer,
                               Document& document, Prompter& prompter, const MessageTable& messages,
                               Platform& platform, const FeatureMenus& menus)
    : QObject(window), m_window(window), m_editor(editor), m_buffer(buffer), m_document(document),
      m_prompter(prompter), m_messages(messages), m_platform(platform), m_menus(menus) {}

bool FeatureContext::mayClose() const {
    for (const auto& query : m_closeQueries)
        if (!query())
            return false;
    return true;
}

UiLanguage FeatureContext::uiLanguage() const {
    return m_messages.language();
}

void FeatureContext::captionFromMessage(QMenu* menu, int line) {
    bind(menu, line, CaptionKind::Caption);
}

void FeatureContext::captionFromMessage(QAction* item, int line) {
    bind(item, line, CaptionKind::Caption);
}

void FeatureContext::hintFromMessage(QAction* button, int line) {
    bind(button, line, CaptionKind::Hint);
}

void FeatureContext::captionFromText(QMenu* menu, const UiText& text) {
    bindText(menu, text, CaptionKind::Caption);
}

void FeatureContext::captionFromText(QAction* item, const UiText& text) {
    bindText(item, text, CaptionKind::Caption);
}

void FeatureContext::hintFromText(QAction* button, const UiText& text) {
    bindText(button, text, CaptionKind::Hint);
}

void FeatureContext::bindText(QObject* control, const UiText& text, CaptionKind kind) {
    m_textBindings.append({control, text, kind});
    apply(m_textBindings.last());
}

void FeatureContext::apply(const TextBinding& binding) const {
    const QString text = binding.text.in(m_messages.language());
    if (auto* menu = qobject_cast<QMenu*>(binding.control.data()))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(binding.control.data())) {
        action->setText(text);
        if (binding.kind == CaptionKind::Hint) {
            action->setToolTip(text);
            action->setStatusTip(text);
        }
    }
}

void FeatureContext::bind(QObject* control, int line, CaptionKind kind) {
    // Buttons get their hint at once; menus keep their built-in German captions until the
    // window applies its language at start.
    m_bindings.append({control, line, kind});
    if (kind == CaptionKind::Hint)
        apply(m_bindings.last());
}

void FeatureContext::apply(const CaptionBinding& binding) const {
    const QString text = m_messages.message(binding.line);
    if (auto* menu = qobject_cast<QMenu*>(binding.control.data())) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(binding.control.data())) {
        action->setText(text);
        if (binding.kind == CaptionKind::Hint) {
            action->setToolTip(text);
            action->setStatusTip(text);
        }
    }
}

void FeatureContext::applyLanguage() {
    for (const CaptionBinding& binding : std::as_const(m_bindings))
        apply(binding);
    for (const TextBinding& binding : std::as_const(m_textBindings))
        apply(binding);
    emit languageChanged();
}

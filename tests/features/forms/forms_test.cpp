#include "features/forms/form_markup.h"
#include "foundation/document/memory_buffer.h"
#include "marked_text.h"

#include <gtest/gtest.h>

namespace {

const QString CrLf = QStringLiteral("\r\n");

InputFields sampleFields(const char* type) {
    InputFields f;
    f.type = QLatin1String(type);
    f.name = QStringLiteral("n");
    f.size = QStringLiteral("20");
    f.length = QStringLiteral("7");
    f.value = QStringLiteral("v");
    f.clickScript = QStringLiteral("go()");
    f.image = QStringLiteral("pic.png");
    return f;
}

} // namespace

TEST(InputMarkup, EveryTypeWritesItsRow) {
    struct Case {
        const char* type;
        bool buttonElement;
        const char* markup;
    };
    const Case cases[] = {
        {"text", false,
         "<br />Enter text:<br /><input name=\"n\" type=\"text\" size=\"20\" maxlength=\"7\" "
         "value=\"v\" />\r\n"},
        {"hidden", false, "<br /><input name=\"n\" type=\"hidden\" value=\"v\" />\r\n"},
        {"password", false,
         "<br />Enter password:<br /><input name=\"n\" type=\"password\" size=\"20\" "
         "maxlength=\"7\" />\r\n"},
        {"file", false,
         "<br />File:<br /><input name=\"n\" type=\"file\" size=\"20\" value=\"\" />\r\n"},
        {"submit", false, "<br /><input name=\"n\" type=\"submit\" value=\"Submit\" />\r\n"},
        {"reset", false, "<br /><input name=\"n\" type=\"reset\" value=\"Reset\" />"},
        {"radio", false, "<br /><input name=\"n\" type=\"radio\" value=\"v\" />v<br />\r\n"},
        {"checkbox", false, "<br /><input name=\"n\" type=\"checkbox\" value=\"v\" />v<br />\r\n"},
        {"button", true,
         "<br /><button name=\"n\" type=\"button\" value=\"v\" onclick=\"go()\">\r\n"
         "<img src=\"pic.png\"  alt=\"v\"><br />\r\n</button><br />\r\n"},
        {"button", false,
         "<br /><input name=\"n\" type=\"button\" value=\"v\" onclick=\"go()\" />\r\n"},
        {"textarea", false,
         "<br /><textarea name=\"n\" cols=\"20\" rows=\"7\" wrap=\"hard\">v</textarea><br />\r\n"},
        {"image", false, "<br /><input type=\"image\" src=\"pic.png\" alt=\"Submit\" />\r\n"},
        // The flag matters only to the button.
        {"text", true,
         "<br />Enter text:<br /><input name=\"n\" type=\"text\" size=\"20\" maxlength=\"7\" "
         "value=\"v\" />\r\n"},
    };
    for (const Case& c : cases) {
        InputFields f = sampleFields(c.type);
        f.buttonElement = c.buttonElement;
        EXPECT_EQ(inputMarkup(f), QString::fromUtf8(c.markup)) << c.type << c.buttonElement;
    }
}

TEST(InputMarkup, TypeIsMatchedInLowerCaseAndWrittenAsTyped) {
    EXPECT_EQ(inputMarkup(sampleFields("TEXT")),
              QStringLiteral("<br />Enter text:<br /><input name=\"n\" type=\"TEXT\" size=\"20\" "
                             "maxlength=\"7\" value=\"v\" />\r\n"));
    EXPECT_EQ(inputMarkup(sampleFields("Image")),
              QStringLiteral("<br /><input type=\"Image\" src=\"pic.png\" alt=\"Submit\" />\r\n"));
    // Unknown, padded or empty types give nothing; fields are never checked or escaped.
    for (const char* type : {"range", " text", "", "texta"})
        EXPECT_EQ(inputMarkup(sampleFields(type)), QString()) << type;
    InputFields empty = sampleFields("hidden");
    empty.name.clear();
    empty.value = QStringLiteral("a\"b");
    EXPECT_EQ(inputMarkup(empty),
              QStringLiteral("<br /><input name=\"\" type=\"hidden\" value=\"a\"b\" />\r\n"));
}

TEST(InputTypeSetUp, NamesLabelsAndLengthByIndex) {
    struct Case {
        int index;
        const char* name;
        const char* sizeLabel;
        const char* lengthLabel;
        const char* length;
    };
    const Case cases[] = {
        {0, "input1", "Size", "MaxLength", "50"},       {1, "hidden1", "Size", "MaxLength", "50"},
        {2, "password1", "Size", "MaxLength", "50"},    {3, "button1", "Size", "MaxLength", "50"},
        {4, "radiobutton1", "Size", "MaxLength", "50"}, {5, "checkbox1", "Size", "MaxLength", "50"},
        {6, "file1", "Size", "MaxLength", "50"},        {7, "submit1", "Size", "MaxLength", "50"},
        {8, "reset1", "Size", "MaxLength", "50"},       {9, "textarea1", "Cols", "Rows", "5"},
        {10, "textarea1", "Cols", "Rows", "5"},         {-1, "textarea1", "Cols", "Rows", "5"},
        {11, "textarea1", "Cols", "Rows", "5"},
    };
    for (const Case& c : cases) {
        // Start from the other family so every field must really be set.
        InputFields f;
        applyInputType(f, c.index == 0 ? 9 : 0);
        f.size = QStringLiteral("33");
        applyInputType(f, c.index);
        EXPECT_EQ(f.name, QLatin1String(c.name)) << c.index;
        EXPECT_EQ(f.sizeLabel, QLatin1String(c.sizeLabel)) << c.index;
        EXPECT_EQ(f.lengthLabel, QLatin1String(c.lengthLabel)) << c.index;
        EXPECT_EQ(f.length, QLatin1String(c.length)) << c.index;
        EXPECT_EQ(f.size, QStringLiteral("33")) << "the size field is never reset";
        EXPECT_EQ(f.value, QStringLiteral("Default text"));
    }
    EXPECT_EQ(inputTypeNames(),
              QStringList({"text", "hidden", "password", "button", "radio", "checkbox", "file",
                           "submit", "reset", "textarea", "image"}));
}

TEST(InputCommands, KeepTypeAndButtonFlagAsTheLastCommandLeftThem) {
    InputDialogState s;
    EXPECT_EQ(s.typeIndex, 0);
    EXPECT_FALSE(s.buttonElement);

    prepareInputCommand(s, InputCommand::TextArea);
    EXPECT_EQ(s.typeIndex, 9);
    prepareInputCommand(s, InputCommand::InputBox);
    EXPECT_EQ(s.typeIndex, 9) << "the input box opens on the type of the last use";

    prepareInputCommand(s, InputCommand::Button);
    EXPECT_EQ(s.typeIndex, 3);
    EXPECT_TRUE(s.buttonElement);
    for (InputCommand c : {InputCommand::Radio, InputCommand::CheckBox, InputCommand::TextArea})
        prepareInputCommand(s, c);
    EXPECT_TRUE(s.buttonElement) << "radio, check box and text area leave the flag";
    EXPECT_EQ(s.typeIndex, 9);
    prepareInputCommand(s, InputCommand::InputBox);
    EXPECT_FALSE(s.buttonElement);

    struct Case {
        InputCommand command;
        int type;
        bool keepsFlag;
    };
    const Case cases[] = {
        {InputCommand::TextLine, 0, false}, {InputCommand::Hidden, 1, false},
        {InputCommand::Password, 2, false}, {InputCommand::Upload, 6, false},
        {InputCommand::CheckBox, 5, true},  {InputCommand::Radio, 4, true},
    };
    for (const Case& c : cases) {
        prepareInputCommand(s, InputCommand::Button);
        prepareInputCommand(s, c.command);
        EXPECT_EQ(s.typeIndex, c.type);
        EXPECT_EQ(s.buttonElement, c.keepsFlag) << c.type;
    }
}

TEST(InputCommands, InsertAtTheSelectionStartUnlessCancelled) {
    auto b = markedBuffer(QStringLiteral("a[word]b"));
    insertInputCode(*b, false, QStringLiteral("<x />"));
    EXPECT_EQ(marked(*b), QStringLiteral("a[word]b"));
    EXPECT_FALSE(b->isModified());

    insertInputCode(*b, true, QStringLiteral("<x />"));
    EXPECT_EQ(marked(*b), QStringLiteral("a<x />|wordb"));

    // An unknown type gives no code: the dialog closed with OK, nothing is written.
    b = markedBuffer(QStringLiteral("a[word]b"));
    insertInputCode(*b, true, QString());
    EXPECT_EQ(b->text(), QStringLiteral("awordb"));
    EXPECT_FALSE(b->isModified());
}

TEST(FormMarkup, DefaultsWriteTheWholeForm) {
    EXPECT_EQ(formMarkup(FormFields()),
              QStringLiteral("\r\n<form name=\"MyForm\" action=\"mailto:name@example.com\" "
                             "method=\"get\" enctype=\"application/x-www-form-urlencoded\" >\r\n"
                             "<br />My New Form \r\n<br />\r\n"
                             "<input name=\"MyInput\" type=\"text\" size=\"50\" maxlength=\"50\" "
                             "value=\"Enter text\" />\r\n"
                             "<br /><input type=\"submit\" value=\" Submit \" />\r\n"
                             "<input type=\"reset\" value=\" Reset \" />\r\n"
                             "</form>\r\n"));
}

TEST(FormMarkup, OnSubmitAndTheBoxesChooseTheParts) {
    FormFields f;
    f.onSubmit = QStringLiteral(" check() ");
    f.method.clear();
    f.withInput = false;
    f.withSubmitButton = false;
    f.withResetButton = false;
    setUploadBox(f, true);
    EXPECT_EQ(formMarkup(f),
              QStringLiteral("\r\n<form name=\"MyForm\" action=\"mailto:name@example.com\" "
                             "method=\"post\" enctype=\"multipart/form-data\"   onsubmit=\" "
                             "check() \">\r\n<br />My New Form \r\n<br />\r\n"
                             "<input name=\"Upload\" type=\"file\" size=\"50\" "
                             "maxlength=\"100000\" accept=\"text/*\" />\r\n</form>\r\n"));

    // A blank onSubmit counts as none; with every box off only the head stays.
    f.onSubmit = QStringLiteral(" \t ");
    f.withUpload = false;
    EXPECT_EQ(formMarkup(f),
              QStringLiteral("\r\n<form name=\"MyForm\" action=\"mailto:name@example.com\" "
                             "method=\"post\" enctype=\"multipart/form-data\" >\r\n"
                             "<br />My New Form \r\n<br />\r\n</form>\r\n"));
}

TEST(FormMarkup, UploadBoxCouplesMethodAndEncoding) {
    FormFields f;
    f.encoding = formEncodings().at(2);
    setUploadBox(f, true);
    EXPECT_TRUE(f.withUpload);
    EXPECT_EQ(f.method, QStringLiteral("post"));
    EXPECT_EQ(f.encoding, QStringLiteral("multipart/form-data"));
    setUploadBox(f, false);
    EXPECT_FALSE(f.withUpload);
    EXPECT_EQ(f.method, QStringLiteral("post")) << "turning upload off leaves the method";
    EXPECT_EQ(f.encoding, QStringLiteral("application/x-www-form-urlencoded"));
}

TEST(FormCommand, GoesInFrontOfTheSelectionWhichStays) {
    auto b = markedBuffer(QStringLiteral("x[<p>para</p>]y"));
    prepareFormCommand(*b);
    insertFormCode(*b, QStringLiteral("<form/>"));
    EXPECT_EQ(marked(*b), QStringLiteral("x<form/><p>para</p>|y"));

    // Blanks only: the selection collapses before the dialog, so a Cancel leaves it so.
    b = markedBuffer(QStringLiteral("x[ \r\n ]y"));
    prepareFormCommand(*b);
    EXPECT_EQ(marked(*b), QStringLiteral("x| \r\n y"));
    EXPECT_FALSE(b->isModified());
    insertFormCode(*b, QStringLiteral("<form/>"));
    EXPECT_EQ(marked(*b), QStringLiteral("x<form/>| \r\n y"));
}

TEST(SelectionLists, FixedTextAtTheSelectionStartWithTheSameNameEachTime) {
    auto b = markedBuffer(QStringLiteral("[kept]"));
    insertSelectBoxCode(*b);
    insertSelectBoxCode(*b);
    const QString list = SelectBoxMarkup;
    EXPECT_EQ(b->text(), list + list + QStringLiteral("kept"));
    EXPECT_EQ(list.count(QStringLiteral("Selectbox1")), 3);
    EXPECT_TRUE(
        list.startsWith(QStringLiteral("<select name=\"Selectbox1\" size=\"3\" onchange=")));
    EXPECT_TRUE(list.endsWith(QStringLiteral(
        "\r\n<option value=\"Option3\">This is Caption3</option>\r\n</select>\r\n")));

    QString dropdown = list;
    dropdown.replace(QStringLiteral("Selectbox1"), QStringLiteral("Dropbox1"))
        .replace(QStringLiteral("size=\"3\""), QStringLiteral("size=\"1\""));
    EXPECT_EQ(QString(DropDownListMarkup), dropdown);
    b = markedBuffer(QStringLiteral("a[b]"));
    insertDropDownListCode(*b);
    EXPECT_EQ(marked(*b), QStringLiteral("a") + dropdown + QStringLiteral("|b"));
}

#include "features/forms/form_markup.h"
#include "foundation/document/memory_buffer.h"
#include "marked_text.h"

#include <gtest/gtest.h>

namespace {

const QString CrLf = QStringLiteral("\r\n");

InputFields sampleFields(const char* type) {
    InputFields f;
    f.type = QLatin1String(type);
    f.EditName = QStringLiteral("n");
    f.EditSize = QStringLiteral("20");
    f.EditLength = QStringLiteral("7");
    f.EditValue = QStringLiteral("v");
    f.EditClick = QStringLiteral("go()");
    f.EditImage = QStringLiteral("pic.png");
    return f;
}

} // namespace

TEST(InputMarkup, EveryTypeWritesItsRow) {
    struct Case {
        const char* type;
        bool notInput;
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
        f.NotInput = c.notInput;
        EXPECT_EQ(InputMarkup(f), QString::fromUtf8(c.markup)) << c.type << c.notInput;
    }
}

TEST(InputMarkup, TypeIsMatchedInLowerCaseAndWrittenAsTyped) {
    EXPECT_EQ(InputMarkup(sampleFields("TEXT")),
              QStringLiteral("<br />Enter text:<br /><input name=\"n\" type=\"TEXT\" size=\"20\" "
                             "maxlength=\"7\" value=\"v\" />\r\n"));
    EXPECT_EQ(InputMarkup(sampleFields("Image")),
              QStringLiteral("<br /><input type=\"Image\" src=\"pic.png\" alt=\"Submit\" />\r\n"));
    // Unknown, padded or empty types give nothing; fields are never checked or escaped.
    for (const char* type : {"range", " text", "", "texta"})
        EXPECT_EQ(InputMarkup(sampleFields(type)), QString()) << type;
    InputFields empty = sampleFields("hidden");
    empty.EditName.clear();
    empty.EditValue = QStringLiteral("a\"b");
    EXPECT_EQ(InputMarkup(empty),
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
        ApplyInputType(f, c.index == 0 ? 9 : 0);
        f.EditSize = QStringLiteral("33");
        ApplyInputType(f, c.index);
        EXPECT_EQ(f.EditName, QLatin1String(c.name)) << c.index;
        EXPECT_EQ(f.sizeLabel, QLatin1String(c.sizeLabel)) << c.index;
        EXPECT_EQ(f.lengthLabel, QLatin1String(c.lengthLabel)) << c.index;
        EXPECT_EQ(f.EditLength, QLatin1String(c.length)) << c.index;
        EXPECT_EQ(f.EditSize, QStringLiteral("33")) << "the size field is never reset";
        EXPECT_EQ(f.EditValue, QStringLiteral("Default text"));
    }
    EXPECT_EQ(InputTypeNames(),
              QStringList({"text", "hidden", "password", "button", "radio", "checkbox", "file",
                           "submit", "reset", "textarea", "image"}));
}

TEST(InputCommands, KeepInpTypAndNotInputAsTheLastCommandLeftThem) {
    InputDialogState s;
    EXPECT_EQ(s.InpTyp, 0);
    EXPECT_FALSE(s.NotInput);

    PrepareInputCommand(s, InputCommand::Textarea);
    EXPECT_EQ(s.InpTyp, 9);
    PrepareInputCommand(s, InputCommand::Inputbox);
    EXPECT_EQ(s.InpTyp, 9) << "the input box opens on the type of the last use";

    PrepareInputCommand(s, InputCommand::Button);
    EXPECT_EQ(s.InpTyp, 3);
    EXPECT_TRUE(s.NotInput);
    for (InputCommand c : {InputCommand::Radio, InputCommand::CheckBox, InputCommand::Textarea})
        PrepareInputCommand(s, c);
    EXPECT_TRUE(s.NotInput) << "radio, check box and text area leave the flag";
    EXPECT_EQ(s.InpTyp, 9);
    PrepareInputCommand(s, InputCommand::Inputbox);
    EXPECT_FALSE(s.NotInput);

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
        PrepareInputCommand(s, InputCommand::Button);
        PrepareInputCommand(s, c.command);
        EXPECT_EQ(s.InpTyp, c.type);
        EXPECT_EQ(s.NotInput, c.keepsFlag) << c.type;
    }
}

TEST(InputCommands, InsertAtTheSelectionStartUnlessCancelled) {
    auto b = markedBuffer(QStringLiteral("a[word]b"));
    InsertInputCode(*b, false, QStringLiteral("<x />"));
    EXPECT_EQ(marked(*b), QStringLiteral("a[word]b"));
    EXPECT_FALSE(b->isModified());

    InsertInputCode(*b, true, QStringLiteral("<x />"));
    EXPECT_EQ(marked(*b), QStringLiteral("a<x />|wordb"));

    // An unknown type gives no code: the dialog closed with OK, nothing is written.
    b = markedBuffer(QStringLiteral("a[word]b"));
    InsertInputCode(*b, true, QString());
    EXPECT_EQ(b->text(), QStringLiteral("awordb"));
    EXPECT_FALSE(b->isModified());
}

TEST(FormMarkup, DefaultsWriteTheWholeForm) {
    EXPECT_EQ(FormMarkup(FormFields()),
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
    f.EditSubmit = QStringLiteral(" check() ");
    f.Method.clear();
    f.CheckInput = false;
    f.CheckSubmit = false;
    f.CheckReset = false;
    SetUploadBox(f, true);
    EXPECT_EQ(FormMarkup(f),
              QStringLiteral("\r\n<form name=\"MyForm\" action=\"mailto:name@example.com\" "
                             "method=\"post\" enctype=\"multipart/form-data\"   onsubmit=\" "
                             "check() \">\r\n<br />My New Form \r\n<br />\r\n"
                             "<input name=\"Upload\" type=\"file\" size=\"50\" "
                             "maxlength=\"100000\" accept=\"text/*\" />\r\n</form>\r\n"));

    // A blank onSubmit counts as none; with every box off only the head stays.
    f.EditSubmit = QStringLiteral(" \t ");
    f.CheckUpload = false;
    EXPECT_EQ(FormMarkup(f),
              QStringLiteral("\r\n<form name=\"MyForm\" action=\"mailto:name@example.com\" "
                             "method=\"post\" enctype=\"multipart/form-data\" >\r\n"
                             "<br />My New Form \r\n<br />\r\n</form>\r\n"));
}

TEST(FormMarkup, UploadBoxCouplesMethodAndEncoding) {
    FormFields f;
    f.EncType = FormEncTypes().at(2);
    SetUploadBox(f, true);
    EXPECT_TRUE(f.CheckUpload);
    EXPECT_EQ(f.Method, QStringLiteral("post"));
    EXPECT_EQ(f.EncType, QStringLiteral("multipart/form-data"));
    SetUploadBox(f, false);
    EXPECT_FALSE(f.CheckUpload);
    EXPECT_EQ(f.Method, QStringLiteral("post")) << "turning upload off leaves the method";
    EXPECT_EQ(f.EncType, QStringLiteral("application/x-www-form-urlencoded"));
}

TEST(FormCommand, GoesInFrontOfTheSelectionWhichStays) {
    auto b = markedBuffer(QStringLiteral("x[<p>para</p>]y"));
    PrepareFormCommand(*b);
    InsertForm(*b, QStringLiteral("<form/>"));
    EXPECT_EQ(marked(*b), QStringLiteral("x<form/><p>para</p>|y"));

    // Blanks only: the selection collapses before the dialog, so a Cancel leaves it so.
    b = markedBuffer(QStringLiteral("x[ \r\n ]y"));
    PrepareFormCommand(*b);
    EXPECT_EQ(marked(*b), QStringLiteral("x| \r\n y"));
    EXPECT_FALSE(b->isModified());
    InsertForm(*b, QStringLiteral("<form/>"));
    EXPECT_EQ(marked(*b), QStringLiteral("x<form/>| \r\n y"));
}

TEST(SelectionLists, FixedTextAtTheSelectionStartWithTheSameNameEachTime) {
    auto b = markedBuffer(QStringLiteral("[kept]"));
    InsertSelectbox(*b);
    InsertSelectbox(*b);
    const QString list = SelectboxMarkup;
    EXPECT_EQ(b->text(), list + list + QStringLiteral("kept"));
    EXPECT_EQ(list.count(QStringLiteral("Selectbox1")), 3);
    EXPECT_TRUE(
        list.startsWith(QStringLiteral("<select name=\"Selectbox1\" size=\"3\" onchange=")));
    EXPECT_TRUE(list.endsWith(QStringLiteral(
        "\r\n<option value=\"Option3\">This is Caption3</option>\r\n</select>\r\n")));

    QString dropdown = list;
    dropdown.replace(QStringLiteral("Selectbox1"), QStringLiteral("Dropbox1"))
        .replace(QStringLiteral("size=\"3\""), QStringLiteral("size=\"1\""));
    EXPECT_EQ(QString(DropdownListMarkup), dropdown);
    b = markedBuffer(QStringLiteral("a[b]"));
    InsertDropdownList(*b);
    EXPECT_EQ(marked(*b), QStringLiteral("a") + dropdown + QStringLiteral("|b"));
}

#pragma once

class TaskWindow;

// The last step of a task: the generated page goes from the page file into the blog's
// new-entry form, the file is deleted and the task ends. Publishing is left to the user.
class BlogEntryFiller
{
public:
    explicit BlogEntryFiller(TaskWindow& window) : m_window(window) {}

    void AddNew();

private:
    void fillEntryForm();
    void endTask();

    TaskWindow& m_window;
};

// The fixed title of every entry, in both generation modes.
inline constexpr const char* kEntryTitle = "朋友们，你们咋都在我名字里...赞";

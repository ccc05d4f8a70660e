#include "Commands.h"
#include "import/sdts/SdtsImportJob.h"
#include "platform/NumberParsing.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"

namespace vistagon::cli {

namespace {

// The job reports "count/pass" after every record, which would be one line of
// stderr per record. The first pass is quick and shown by nothing; the second
// is shown as the share of the records the first pass counted, so that the
// terminal draws its usual bar.
class RecordPassProgress : public UserInteraction, public ProgressText {
public:
    explicit RecordPassProgress(UserInteraction& inner) : inner_(inner) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override { inner_.ShowMessage(text, icon); }
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override
    {
        return inner_.Ask(text, buttons, icon);
    }
    ProgressText& Status() override { return *this; }
    void Pump() override { inner_.Pump(); }
    bool IsCancelled() const override { return inner_.IsCancelled(); }

    void SetText(std::string_view text) override
    {
        const size_t slash = text.find('/');
        if (slash == std::string_view::npos) {
            inner_.Status().SetText(text);
            return;
        }
        const long records = ParseLeadingInt(text.substr(0, slash));
        if (ParseLeadingInt(text.substr(slash + 1)) == 1) {
            firstPassRecords_ = records;
            return;
        }
        const long percent = firstPassRecords_ > 0 ? records * 100 / firstPassRecords_ : 100;
        inner_.Status().SetText(FormatText(msg::kProgressPercent.text, static_cast<int>(percent)));
    }

private:
    UserInteraction& inner_;
    long firstPassRecords_ = 0;
};

}  // namespace

// import sdts SOURCE TARGET [--void V] [--fill F]
int RunImportSdts(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--void", "--fill"}, {});
    args.ExpectPositional(2, 2);
    SdtsImportOptions options;
    options.sourcePath = args.positional()[0];
    options.targetPath = args.positional()[1];
    options.voidValue = args.Int("--void").value_or(options.voidValue);
    options.fillValue = args.Int("--fill").value_or(options.fillValue);

    RecordPassProgress progress(session.interaction);
    AppContext context{progress, session.context.profile};
    SdtsImportJob job(context, options);
    const bool converted = job.Run();
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

}  // namespace vistagon::cli

#pragma once

#include "platform/BrowserTransport.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// A browser transport that plays a script: the services in Answering take
// conversations and answer each topic with its entry in Replies. Every call
// is logged as one line ("open SERVICE TOPIC", "request ITEM", "close",
// "start SERVICE PROGRAM").
class TScriptedTransport : public IBrowserTransport {
public:
    bool Open(const std::string& service, const std::string& topic) override {
        Log.push_back("open " + service + " " + topic);
        if (!Answering.count(service)) return false;
        FTopic = topic;
        ++OpenCount;
        return true;
    }
    std::string Request(const std::string& item) override {
        Log.push_back("request " + item);
        auto it = Replies.find(FTopic);
        return it == Replies.end() ? std::string() : it->second;
    }
    void Close() override {
        Log.push_back("close");
        ++CloseCount;
    }
    bool StartServer(const std::string& service, const std::string& program) override {
        Log.push_back("start " + service + " " + program);
        if (!Starts) return false;
        if (AnswersOnceStarted) Answering.insert(service);
        return true;
    }
    std::string CaptureHelp() const override { return "Start it with its port."; }

    std::set<std::string> Answering;
    std::map<std::string, std::string> Replies; // by topic
    bool Starts = true;                         // StartServer succeeds
    bool AnswersOnceStarted = true;             // and the started browser then answers
    std::vector<std::string> Log;
    int OpenCount = 0, CloseCount = 0;

private:
    std::string FTopic;
};

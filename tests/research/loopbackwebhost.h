#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "configfolder.h"
#include "tempfolder.h"
#include "updateservice/loopbackupdateservice.h"

// The loopback service as the web host, reached through KOVRAL_WEB_HOST while it lives.
class LoopbackWebHost {
public:
    LoopbackWebHost() { setenv("KOVRAL_WEB_HOST", service_.Host().c_str(), 1); }

    LoopbackUpdateService& Service() { return service_; }
    // The tables of the pick uploads received, in order.
    std::vector<std::string> Uploads() const
    {
        std::vector<std::string> tables;
        for (const ReceivedRequest& request : service_.Requests())
            if (request.path == "/my_dev/rff2/save_predict.php")
                tables.push_back(request.values.at("Text"));
        return tables;
    }

private:
    SavedVariable saved_{"KOVRAL_WEB_HOST"};
    TempFolder files_;
    LoopbackUpdateService service_{UpdateServiceConfig{files_.Path(), "", ""}};
};

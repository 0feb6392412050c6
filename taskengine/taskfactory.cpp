#include "taskfactory.h"

#include "tooltask.h"
#include "tooltype.h"

#include <QMutex>

namespace TaskFactory {
namespace {

QMutex g_creatorMutex;
Creator g_creator;

} // namespace

std::shared_ptr<TaskBase> create(const TaskRequest &request)
{
    {
        QMutexLocker lock(&g_creatorMutex);
        if (g_creator) {
            if (std::shared_ptr<TaskBase> task = g_creator(request))
                return task;
        }
    }
    if (!ToolType::forTask(request.type))
        return {};
    return std::make_shared<ToolTask>(request);
}

void setCreatorForTesting(Creator creator)
{
    QMutexLocker lock(&g_creatorMutex);
    g_creator = std::move(creator);
}

} // namespace TaskFactory

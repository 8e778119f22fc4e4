#include "model/PhotoJob.h"

OutputPlan PlanOfPhoto(const PhotoItem& photo) {
    const OutputPhotoFormat& format = photo.m_outputPhotoFormat;
    if (photo.plan.width == format.nOutputWidth && photo.plan.height == format.nOutputHeight)
        return photo.plan;
    OutputPlan stretched = OutputPlan::Stretched(format.nOutputWidth, format.nOutputHeight);
    stretched.background = photo.plan.background;
    stretched.sharpen = photo.plan.sharpen;
    return stretched;
}

PhotoJob JobOfPhoto(const PhotoItem& photo) {
    PhotoJob job;
    job.source = {photo.strSourcePath, photo.strSourceFormat, photo.nWidth,       photo.nHeight,
                  photo.timeTaken,     photo.timeModified,    photo.strSearchRoot};
    job.settings = photo.m_outputPhotoFormat;
    job.plan = PlanOfPhoto(photo);
    return job;
}

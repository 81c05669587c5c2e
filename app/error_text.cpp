#include "app/error_text.h"

const char* ErrorCodeMessage(std::int32_t code) {
  switch (code) {
    case kErrorIndexTooLarge: return "数组成员引用下标超出定义范围";
    case kErrorIndexBelowOne: return "数组成员引用下标必须大于等于1";
    case kErrorStackUnbalanced: return "调用DLL命令后发现堆栈错误";
    default: return "";
  }
}

std::string BuildErrorText(const char* message, std::int32_t code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
  if (message && *message) text += std::string("错误信息：") + message + "\r\n";
  return text;
}
